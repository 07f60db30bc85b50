#include "FileSink.h"

#include "DiskImageError.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
constexpr std::size_t bufferSize = 1 << 20;
}

FileSink::FileSink(int descriptor)
    : m_descriptor(descriptor) {
    m_buffer.reserve(bufferSize);
}

void FileSink::write(const unsigned char* data, std::size_t size) {
    if (m_buffer.size() + size > bufferSize)
        flush();
    if (size >= bufferSize) {
        writeAt(m_descriptor, m_offset, data, size);
        m_offset += size;
        return;
    }
    m_buffer.insert(m_buffer.end(), data, data + size);
}

void FileSink::finish() {
    flush();
}

void FileSink::flush() {
    writeAt(m_descriptor, m_offset, m_buffer.data(), m_buffer.size());
    m_offset += m_buffer.size();
    m_buffer.clear();
}

void FileSink::writeAt(int descriptor, std::uint64_t offset, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::pwrite(descriptor, data, size, static_cast<off_t>(offset));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw DiskImageError(std::string("The disk image could not be written: ") +
                                 std::strerror(written < 0 ? errno : ENOSPC));
        data += written;
        size -= static_cast<std::size_t>(written);
        offset += static_cast<std::uint64_t>(written);
    }
}
