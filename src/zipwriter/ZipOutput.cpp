#include "ZipOutput.h"

#include "ZipError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
constexpr std::size_t bufferSize = 1 << 20;
}

ZipOutput::ZipOutput(int folderDescriptor, const std::string& name)
    : m_name(name)
    , m_file(folderDescriptor, name, 0666, "The archive") {
    m_buffer.reserve(bufferSize);
}

void ZipOutput::write(const unsigned char* data, std::size_t size) {
    if (m_buffer.size() + size > bufferSize)
        flush();
    if (size >= bufferSize) {
        writeAt(m_position, data, size);
        m_bufferOffset += size;
    } else {
        m_buffer.insert(m_buffer.end(), data, data + size);
    }
    m_position += size;
}

void ZipOutput::patch(std::uint64_t offset, const std::vector<unsigned char>& bytes) {
    const std::uint64_t end = offset + bytes.size();
    // The part before the buffer is in the file already; the rest is still in the buffer.
    const std::uint64_t inFileEnd = std::min(end, m_bufferOffset);
    if (offset < inFileEnd)
        writeAt(offset, bytes.data(), inFileEnd - offset);
    for (std::uint64_t at = std::max(offset, m_bufferOffset); at < end; ++at)
        m_buffer[at - m_bufferOffset] = bytes[at - offset];
}

void ZipOutput::rewind(std::uint64_t offset) {
    flush();
    if (::ftruncate(m_file.descriptor(), static_cast<off_t>(offset)) != 0)
        fail(errno);
    m_position = m_bufferOffset = offset;
}

void ZipOutput::complete() {
    flush();
    m_file.complete();
}

void ZipOutput::flush() {
    writeAt(m_bufferOffset, m_buffer.data(), m_buffer.size());
    m_bufferOffset += m_buffer.size();
    m_buffer.clear();
}

void ZipOutput::writeAt(std::uint64_t offset, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::pwrite(m_file.descriptor(), data, size, static_cast<off_t>(offset));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            fail(written < 0 ? errno : ENOSPC);
        data += written;
        size -= static_cast<std::size_t>(written);
        offset += static_cast<std::uint64_t>(written);
    }
}

void ZipOutput::fail(int error) {
    throw ZipError("The archive \"" + m_name + "\" could not be written: " + std::strerror(error));
}
