#pragma once

// The `balewick-diskimage` program: parses its command line, reads the password when asked,
// and writes the image, or nothing at all; or reads an image back and checks it.
class DiskImageTool final {
public:
    // The process's exit status. Failures print one line on standard error.
    static int run(int argc, const char* const* argv, int passwordDescriptor = 0);
};
