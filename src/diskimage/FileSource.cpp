#include "FileSource.h"

#include "DiskImageError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void readFailed(int error) {
    throw DiskImageError(std::string("The disk image could not be read: ") + std::strerror(error));
}

} // namespace

FileSource::FileSource(const std::string& path) {
    m_descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_descriptor < 0)
        throw DiskImageError("The disk image \"" + path + "\" could not be opened: " + std::strerror(errno));
    struct stat status {};
    if (::fstat(m_descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int error = errno;
        ::close(m_descriptor);
        throw DiskImageError("The disk image \"" + path + "\" is not a file" +
                             (error ? std::string(": ") + std::strerror(error) : std::string()));
    }
    m_size = static_cast<std::uint64_t>(status.st_size);
}

FileSource::~FileSource() {
    ::close(m_descriptor);
}

void FileSource::readAt(std::uint64_t offset, unsigned char* target, std::size_t size) {
    while (size > 0) {
        const ssize_t got = ::pread(m_descriptor, target, size, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            readFailed(errno);
        if (got == 0)
            throw DiskImageError("The disk image is truncated");
        target += got;
        offset += static_cast<std::uint64_t>(got);
        size -= static_cast<std::size_t>(got);
    }
}
