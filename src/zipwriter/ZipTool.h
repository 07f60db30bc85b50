#pragma once

// The whole of balewick-zip: reads its command line, writes the archive, reports a failure as one
// line on standard error and exits 1, leaving no archive behind.
class ZipTool final {
public:
    static int run(int argc, const char* const* argv, int passwordDescriptor = 0);
};
