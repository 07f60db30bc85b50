#pragma once

#include "ZipEntryRecord.h"

#include <cstdint>
#include <string_view>
#include <vector>

// The byte layout of the archive's headers, little-endian, with zip64 fields where values do not
// fit their 32- or 16-bit places.
class ZipRecords final {
public:
    static constexpr std::uint16_t flagEncrypted = 1 << 0;
    static constexpr std::uint16_t flagDataDescriptor = 1 << 3;
    static constexpr std::uint16_t flagUtf8 = 1 << 11;

    static std::vector<unsigned char> localHeader(const ZipEntryRecord& entry);
    static std::vector<unsigned char> dataDescriptor(const ZipEntryRecord& entry);
    static std::vector<unsigned char> centralHeader(const ZipEntryRecord& entry);
    static std::vector<unsigned char> end(std::uint64_t entries, std::uint64_t directoryOffset,
                                          std::uint64_t directorySize);

    // The local time in the two 16-bit DOS fields (time, then date), to two seconds, rounded up.
    static std::uint32_t dosTime(std::time_t time);
    static bool isUtf8(std::string_view name);
};
