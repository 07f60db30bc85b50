#pragma once

#include "ZipChunk.h"

#include <cstdint>
#include <vector>

#include <zlib.h>

// One compressor's state, kept for all the pieces a worker compresses.
class RawDeflater final {
public:
    explicit RawDeflater(int level);
    ~RawDeflater();
    RawDeflater(const RawDeflater&) = delete;
    RawDeflater& operator=(const RawDeflater&) = delete;

    // Fills the piece's checksum and, where it pays, its compressed form.
    void process(ZipChunk& chunk);

private:
    void compress(ZipChunk& chunk);
    bool isZeroRun(const ZipChunk& chunk) const;

    z_stream m_stream{};
    // A stretch of zeros after zeros always compresses the same way: sparse files cost no work.
    std::vector<unsigned char> m_zeroRunOutput;
    std::uint32_t m_zeroRunChecksum = 0;
    std::size_t m_zeroRunSize = 0;
};
