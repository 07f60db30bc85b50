#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The archive being written, created new in the destination folder through its descriptor (an
// existing file is never touched) and removed through it again unless it was completed, also when
// the process is terminated by a signal.
class ZipOutput final {
public:
    // Throws ZipError.
    ZipOutput(int folderDescriptor, const std::string& name);
    ~ZipOutput();
    ZipOutput(const ZipOutput&) = delete;
    ZipOutput& operator=(const ZipOutput&) = delete;

    std::uint64_t position() const { return m_position; }
    void write(const unsigned char* data, std::size_t size);
    void write(const std::vector<unsigned char>& bytes) { write(bytes.data(), bytes.size()); }
    // Overwrites bytes already written, such as a header whose sizes are known only afterwards.
    void patch(std::uint64_t offset, const std::vector<unsigned char>& bytes);
    // Drops everything from `offset` on, to write it again differently.
    void rewind(std::uint64_t offset);

    // Writes what is buffered, closes the file and keeps it. Throws ZipError.
    void complete();

    // Termination signals remove the file being written, then end the process as before. Call
    // once, before any other thread starts.
    static void removeOnTermination();

private:
    void flush();
    void writeAt(std::uint64_t offset, const unsigned char* data, std::size_t size);
    [[noreturn]] void fail(int error);

    int m_folderDescriptor;
    std::string m_name;
    int m_descriptor = -1;
    std::vector<unsigned char> m_buffer;
    std::uint64_t m_bufferOffset = 0; // where the buffer's first byte goes
    std::uint64_t m_position = 0;
};
