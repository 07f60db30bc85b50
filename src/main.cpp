#include "app/BalewickApp.h"

int main(int argc, char** argv) {
    return BalewickApp::run(argc, argv);
}
