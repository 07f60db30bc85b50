#pragma once

#include <cstddef>

// Where the bytes of the disk image go, in order: a plain file or an encrypted container.
class ImageSink {
public:
    virtual ~ImageSink() = default;

    // Throws DiskImageError.
    virtual void write(const unsigned char* data, std::size_t size) = 0;
    // Writes whatever is still buffered; nothing may be written afterwards.
    virtual void finish() = 0;
};
