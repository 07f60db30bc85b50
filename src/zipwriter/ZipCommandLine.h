#pragma once

#include "ZipEntryCipher.h"

#include <string>

// What one invocation asks for.
struct ZipRequest {
    bool omitMetadata = false;
    bool omitFinderFiles = false;
    ZipEncryption encryption = ZipEncryption::none;
    int progressDescriptor = -1;
    int folderDescriptor = -1;
    std::string outputName; // one path component in the folder
};

// Accepts the command line the archiving engine passes:
//   [--omit-metadata] [--omit-finder-files] [--encryption=traditional|aes256] [--progress-fd=N]
//   --folder-fd=N NAME
class ZipCommandLine final {
public:
    // Throws ZipError naming what is wrong.
    static ZipRequest parse(int argc, const char* const* argv);
};
