#include "ZipTool.h"

#include "ZipCommandLine.h"
#include "ZipOutput.h"
#include "ZipWriter.h"
#include "toolsupport/PasswordLine.h"
#include "toolsupport/ProgressReport.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>

int ZipTool::run(int argc, const char* const* argv, int passwordDescriptor) {
    try {
        CreatedFile::removeOnTermination();
        // A progress reader that went away is no reason to stop.
        ::signal(SIGPIPE, SIG_IGN);
        const ZipRequest request = ZipCommandLine::parse(argc, argv);
        std::optional<PasswordLine> password;
        if (request.encryption != ZipEncryption::none)
            password.emplace(passwordDescriptor);
        ProgressReport progress(request.progressDescriptor, [] { return std::chrono::steady_clock::now(); });
        ZipOutput output(request.folderDescriptor, request.outputName);
        ZipWriter(request, password ? password->text() : std::string(), output, progress).write();
        output.complete();
        return 0;
    } catch (const std::exception& error) {
        // One line whatever a name in it holds: the caller shows that line as the reason.
        std::string line = std::string("balewick-zip: ") + error.what();
        std::replace(line.begin(), line.end(), '\n', ' ');
        std::fprintf(stderr, "%s\n", line.c_str());
        return 1;
    }
}
