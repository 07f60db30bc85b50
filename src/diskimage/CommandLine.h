#pragma once

#include <string>
#include <variant>

// What one `create` invocation asks for.
struct CreateRequest {
    std::string sourceFolder;
    std::string volumeName;
    std::string outputPath;
    bool encrypted = false;
    int progressDescriptor = -1; // where to report the bytes read, if anywhere
};

// What one `verify` invocation asks for.
struct VerifyRequest {
    std::string imagePath;
    bool encrypted = false;
};

// Accepts exactly the command lines the archiving engine passes:
//   create -srcfolder DIR -volname NAME -format UDZO [-encryption AES-256 -stdinpass]
//          [-progressfd N] OUT
//   verify [-stdinpass] IMAGE
class CommandLine final {
public:
    // Throws DiskImageError naming what is wrong.
    static std::variant<CreateRequest, VerifyRequest> parse(int argc, const char* const* argv);
};
