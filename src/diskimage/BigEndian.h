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

inline std::uint32_t get32(const unsigned char* source) {
    return std::uint32_t(source[0]) << 24 | std::uint32_t(source[1]) << 16 | std::uint32_t(source[2]) << 8 |
           std::uint32_t(source[3]);
}

inline std::uint64_t get64(const unsigned char* source) {
    return std::uint64_t(get32(source)) << 32 | get32(source + 4);
}

} // namespace BigEndian
