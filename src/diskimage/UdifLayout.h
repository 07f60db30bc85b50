#pragma once

#include <cstddef>
#include <cstdint>

#include <zlib.h>

// The pieces of a UDIF image that its writer and its verifier agree on.
namespace UdifLayout {

constexpr std::uint32_t zlibRun = 0x80000005;
constexpr std::uint32_t rawRun = 0x00000001;
constexpr std::uint32_t zeroFillRun = 0x00000000; // reads as zeros, counted in the checksum
constexpr std::uint32_t zeroRun = 0x00000002;     // reads as zeros, stores nothing
constexpr std::uint32_t commentRun = 0x7FFFFFFE;
constexpr std::uint32_t lastRun = 0xFFFFFFFF;
constexpr std::uint32_t crc32Type = 2;
constexpr std::uint32_t crc32Bits = 32;
constexpr std::size_t blockTableHeaderSize = 204;
constexpr std::size_t runSize = 40;
constexpr std::size_t trailerSize = 512;
constexpr std::uint64_t sectorSize = 512;

// The CRC-32 of two pieces one after the other, from the CRC-32 of each.
inline std::uint32_t combine(std::uint32_t first, std::uint32_t second, std::uint64_t secondLength) {
    return static_cast<std::uint32_t>(crc32_combine(first, second, static_cast<z_off_t>(secondLength)));
}

inline std::uint32_t crc(std::uint32_t running, const unsigned char* data, std::size_t size) {
    return static_cast<std::uint32_t>(crc32_z(running, data, size));
}

} // namespace UdifLayout
