#include "DiskImageTool.h"

#include "CommandLine.h"
#include "DecryptedSource.h"
#include "DiskImageError.h"
#include "EncryptedSink.h"
#include "FileSink.h"
#include "FileSource.h"
#include "FilesystemStream.h"
#include "OutputFile.h"
#include "UdifVerifier.h"
#include "UdifWriter.h"
#include "VolumeName.h"
#include "toolsupport/PasswordLine.h"
#include "toolsupport/ProgressReport.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The bytes of the regular files under `folder`, links not followed: what the engine counts a run by.
std::uint64_t sourceBytes(const std::string& folder) {
    namespace fs = std::filesystem;
    std::uint64_t total = 0;
    std::error_code error;
    for (fs::recursive_directory_iterator entry(folder, fs::directory_options::skip_permission_denied, error),
         end;
         !error && entry != end; entry.increment(error)) {
        std::error_code sizeError;
        if (entry->is_regular_file(sizeError) && !entry->is_symlink(sizeError))
            total += entry->file_size(sizeError);
    }
    return total;
}

void create(const CreateRequest& request, int passwordDescriptor) {
    struct stat status {};
    if (::stat(request.sourceFolder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        throw DiskImageError("The source folder \"" + request.sourceFolder + "\" does not exist");

    std::unique_ptr<PasswordLine> password;
    if (request.encrypted)
        password = std::make_unique<PasswordLine>(passwordDescriptor);

    OutputFile output(request.outputPath);
    std::unique_ptr<ImageSink> sink;
    if (password) {
        sink = std::make_unique<EncryptedSink>(output.descriptor(), password->text());
        password.reset();
    } else {
        sink = std::make_unique<FileSink>(output.descriptor());
    }
    FilesystemStream filesystem(request.sourceFolder,
                                VolumeName::cut(request.volumeName, FilesystemStream::volumeNameLimit));
    // A progress reader that went away is no reason to stop.
    if (request.progressDescriptor >= 0)
        ::signal(SIGPIPE, SIG_IGN);
    ProgressReport progress(request.progressDescriptor, [] { return std::chrono::steady_clock::now(); });
    // The image is the files' data plus its own structure; the report ends at the files' bytes.
    if (request.progressDescriptor >= 0)
        progress.scale(filesystem.size(), sourceBytes(request.sourceFolder));
    UdifWriter().write(filesystem, *sink, progress);
    output.complete();
}

void verify(const VerifyRequest& request, int passwordDescriptor) {
    FileSource file(request.imagePath);
    if (!request.encrypted) {
        unsigned char signature[8] = {};
        if (file.size() >= sizeof signature)
            file.readAt(0, signature, sizeof signature);
        if (std::memcmp(signature, "encrcdsa", sizeof signature) == 0)
            throw DiskImageError("The disk image is encrypted and no password was given");
        UdifVerifier::verify(file);
        return;
    }
    std::optional<DecryptedSource> inside;
    {
        const PasswordLine password(passwordDescriptor);
        inside.emplace(file, password.text());
    }
    UdifVerifier::verify(*inside);
}

} // namespace

int DiskImageTool::run(int argc, const char* const* argv, int passwordDescriptor) {
    try {
        OutputFile::removeOnTermination();
        const std::variant<CreateRequest, VerifyRequest> request = CommandLine::parse(argc, argv);
        if (const auto* creating = std::get_if<CreateRequest>(&request))
            create(*creating, passwordDescriptor);
        else
            verify(std::get<VerifyRequest>(request), passwordDescriptor);
        return 0;
    } catch (const std::exception& error) {
        // One line whatever a path in it holds: the caller shows that line as the reason.
        std::string line = error.what();
        std::replace(line.begin(), line.end(), '\n', ' ');
        std::fprintf(stderr, "%s\n", line.c_str());
        return 1;
    }
}
