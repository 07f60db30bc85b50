#pragma once

#include "ZipChunk.h"

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

    z_stream m_stream{};
};
