#pragma once

#include <cstddef>
#include <vector>

// How a zip's entries are encrypted.
enum class ZipEncryption { none, traditional, aes256 };

// Encrypts one entry's stored (already compressed) data as it is written: the header goes before
// the data, the trailer after it. One per entry, used in order.
class ZipEntryCipher {
public:
    virtual ~ZipEntryCipher() = default;

    virtual std::vector<unsigned char> header() = 0;
    // Encrypts the next `size` bytes of the data in place.
    virtual void encrypt(unsigned char* data, std::size_t size) = 0;
    // Only once all data went through encrypt().
    virtual std::vector<unsigned char> trailer() = 0;
};
