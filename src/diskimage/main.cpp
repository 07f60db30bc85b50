#include "diskimage/DiskImageTool.h"

int main(int argc, char** argv) {
    return DiskImageTool::run(argc, argv);
}
