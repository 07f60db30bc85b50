#pragma once

#include <string>

// What one `create` invocation asks for.
struct CreateRequest {
    std::string sourceFolder;
    std::string volumeName;
    std::string outputPath;
    bool encrypted = false;
};

// Accepts exactly the two command lines the archiving engine passes:
//   create -srcfolder DIR -volname NAME -format UDZO [-encryption AES-256 -stdinpass] OUT
class CommandLine final {
public:
    // Throws DiskImageError naming what is wrong.
    static CreateRequest parse(int argc, const char* const* argv);
};
