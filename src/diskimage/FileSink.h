#pragma once

#include "ImageSink.h"

#include <cstdint>
#include <vector>

// Writes the image into an open file from its current position, in large pieces.
class FileSink final : public ImageSink {
public:
    explicit FileSink(int descriptor);

    void write(const unsigned char* data, std::size_t size) override;
    void finish() override;

    // Writes all of `data` at `offset`, retrying short writes. Throws DiskImageError.
    static void writeAt(int descriptor, std::uint64_t offset, const unsigned char* data, std::size_t size);

private:
    void flush();

    int m_descriptor;
    std::uint64_t m_offset = 0;
    std::vector<unsigned char> m_buffer;
};
