#pragma once

#include "toolsupport/CreatedFile.h"

#include <cstdint>
#include <string>
#include <vector>

// The archive being written, created new in the destination folder through its descriptor and
// removed again unless it was completed. Writes go through a buffer; headers whose sizes are known
// only afterwards are patched in place.
class ZipOutput final {
public:
    // Throws std::runtime_error.
    ZipOutput(int folderDescriptor, const std::string& name);

    std::uint64_t position() const { return m_position; }
    void write(const unsigned char* data, std::size_t size);
    void write(const std::vector<unsigned char>& bytes) { write(bytes.data(), bytes.size()); }
    // Overwrites bytes already written.
    void patch(std::uint64_t offset, const std::vector<unsigned char>& bytes);
    // Drops everything from `offset` on, to write it again differently.
    void rewind(std::uint64_t offset);

    // Writes what is buffered, closes the file and keeps it. Throws.
    void complete();

private:
    void flush();
    void writeAt(std::uint64_t offset, const unsigned char* data, std::size_t size);
    [[noreturn]] void fail(int error);

    std::string m_name;
    CreatedFile m_file;
    std::vector<unsigned char> m_buffer;
    std::uint64_t m_bufferOffset = 0; // where the buffer's first byte goes
    std::uint64_t m_position = 0;
};
