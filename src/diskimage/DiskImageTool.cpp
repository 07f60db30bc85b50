#include "DiskImageTool.h"

#include "CommandLine.h"
#include "DecryptedSource.h"
#include "DiskImageError.h"
#include "EncryptedSink.h"
#include "FileSink.h"
#include "FileSource.h"
#include "FilesystemStream.h"
#include "OutputFile.h"
#include "ProgressReport.h"
#include "UdifVerifier.h"
#include "UdifWriter.h"
#include "VolumeName.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include <openssl/crypto.h>

namespace {

// A password read from a descriptor up to the first line feed or NUL; wiped when it goes.
class Password final {
public:
    explicit Password(int descriptor) {
        for (;;) {
            char byte = 0;
            const ssize_t got = ::read(descriptor, &byte, 1);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0 || byte == '\n' || byte == '\0')
                break;
            if (m_length == m_text.size())
                throw DiskImageError("The password is too long");
            m_text[m_length++] = byte;
        }
    }
    ~Password() { OPENSSL_cleanse(m_text.data(), m_text.size()); }
    Password(const Password&) = delete;
    Password& operator=(const Password&) = delete;

    std::string_view text() const { return {m_text.data(), m_length}; }

private:
    std::array<char, 4096> m_text{};
    std::size_t m_length = 0;
};

// The bytes of the regular files under `folder`, links not followed: what a run reads of them.
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

// Reports the source bytes read as the image's share of them: the files' data is most of the
// image, and the report ends exactly at what the engine counted.
void reportProgress(FilesystemStream& filesystem, ProgressReport& report, std::uint64_t source) {
    const std::uint64_t imageSize = filesystem.size();
    filesystem.onRead([&report, source, imageSize](std::uint64_t delivered) {
        const long double share = imageSize == 0 ? 1.0L : static_cast<long double>(delivered) / imageSize;
        report.update(static_cast<std::uint64_t>(share * static_cast<long double>(source)));
    });
}

void create(const CreateRequest& request, int passwordDescriptor) {
    struct stat status {};
    if (::stat(request.sourceFolder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        throw DiskImageError("The source folder \"" + request.sourceFolder + "\" does not exist");

    std::unique_ptr<Password> password;
    if (request.encrypted) {
        password = std::make_unique<Password>(passwordDescriptor);
        if (password->text().empty())
            throw DiskImageError("No password was given on standard input");
    }

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
    ProgressReport report(request.progressDescriptor);
    const std::uint64_t source = request.progressDescriptor >= 0 ? sourceBytes(request.sourceFolder) : 0;
    if (request.progressDescriptor >= 0)
        reportProgress(filesystem, report, source);
    UdifWriter().write(filesystem, *sink);
    output.complete();
    report.finish(source);
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
        const Password password(passwordDescriptor);
        if (password.text().empty())
            throw DiskImageError("No password was given on standard input");
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
