#pragma once

#include <cstddef>
#include <cstdint>

// Where the bytes of a disk image come from when it is read back: a plain file or the inside of
// an encrypted container.
class ImageSource {
public:
    virtual ~ImageSource() = default;

    virtual std::uint64_t size() const = 0;
    // Reads exactly `size` bytes at `offset`. Throws DiskImageError.
    virtual void readAt(std::uint64_t offset, unsigned char* target, std::size_t size) = 0;
};
