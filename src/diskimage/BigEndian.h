#pragma once

#include <cstddef>
#include <cstdint>

// Every field of the disk-image structures is stored most significant byte first.
namespace BigEndian {

inline void put32(unsigned char* target, std::uint32_t value) {
    for (int index = 3; index >= 0; --index, value >>= 8)
        target[index] = static_cast<unsigned char>(value & 0xFF);
}

inline void put64(unsigned char* target, std::uint64_t value) {
    for (int index = 7; index >= 0; --index, value >>= 8)
        target[index] = static_cast<unsigned char>(value & 0xFF);
}

inline void put16(unsigned char* target, std::uint16_t value) {
    target[0] = static_cast<unsigned char>(value >> 8);
    target[1] = static_cast<unsigned char>(value & 0xFF);
}

} // namespace BigEndian
