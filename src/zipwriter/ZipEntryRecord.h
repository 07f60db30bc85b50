#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

// What the archive says about one entry, kept from its local header to the central directory.
struct ZipEntryRecord {
    std::string name;
    std::uint16_t flags = 0;
    std::uint16_t method = 0; // as the header names it (99 for AES)
    std::uint32_t checksum = 0;
    std::uint64_t compressedSize = 0; // with any encryption header and trailer
    std::uint64_t size = 0;
    std::uint64_t offset = 0; // of the local header
    std::uint32_t mode = 0;   // st_mode
    bool localZip64 = false;  // decided before the data, from the size the file had then

    bool withMetadata = true; // the "UT" and "ux" extra fields
    std::time_t modified = 0;
    std::time_t accessed = 0;
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
    std::vector<unsigned char> encryptionField; // the AES extra field, complete
};
