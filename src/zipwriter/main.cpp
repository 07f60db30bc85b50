#include "zipwriter/ZipTool.h"

int main(int argc, char** argv) {
    return ZipTool::run(argc, argv);
}
