#pragma once

#include "AesZipKeys.h"
#include "StagedEntry.h"

#include <cstdint>
#include <memory>
#include <vector>

// A piece of one entry's data on its way through the compressors: a whole small file, or up to a
// mebibyte of a large one. Entries without data travel as one empty piece, to keep their place.
struct ZipChunk {
    std::shared_ptr<const StagedEntry> entry;
    bool first = true;
    bool last = true;
    bool deflate = false; // whether compression is tried at all
    std::vector<unsigned char> input;
    std::vector<unsigned char> dictionary; // the input's predecessor's end, within the same file
    bool wantsKeys = false;                // the first piece of an entry encrypted with AES

    // Set by the compressor.
    std::vector<unsigned char> output; // raw deflate data when `compressed`
    bool compressed = false;
    std::uint32_t checksum = 0; // CRC-32 of the input
    bool failed = false;        // the compressor ran out of memory
    // For `wantsKeys`, unless deriving them failed; the writer then tries again, to report why.
    std::unique_ptr<AesZipKeys> keys;

    const std::vector<unsigned char>& stored() const { return compressed ? output : input; }
};
