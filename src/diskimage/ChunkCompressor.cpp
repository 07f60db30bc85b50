#include "ChunkCompressor.h"

#include <algorithm>
#include <cstring>

#include <zlib.h>

ChunkCompressor::ChunkCompressor(unsigned workers, int level)
    : m_window(2 * std::max(workers, 1u))
    , m_pool(workers, [level] { return [level](Chunk& chunk) { process(chunk, level); }; }) {}

void ChunkCompressor::process(Chunk& chunk, int level) {
    const unsigned char* input = chunk.input.data();
    const std::size_t size = chunk.inputSize;
    // Empty stretches (padding, sparse files) are stored as a run that reads as zeros.
    if (size > 0 && input[0] == 0 && std::memcmp(input, input + 1, size - 1) == 0) {
        chunk.kind = Chunk::Kind::zeros;
        chunk.inputChecksum = chunk.outputChecksum = 0;
        chunk.outputSize = 0;
        return;
    }
    chunk.inputChecksum = static_cast<std::uint32_t>(crc32(0L, input, static_cast<uInt>(size)));

    uLongf compressedSize = compressBound(static_cast<uLong>(size));
    if (chunk.output.size() < compressedSize)
        chunk.output.resize(compressedSize);
    const int result =
        compress2(chunk.output.data(), &compressedSize, input, static_cast<uLong>(size), level);
    if (result == Z_OK && compressedSize < size) {
        chunk.kind = Chunk::Kind::compressed;
        chunk.outputSize = compressedSize;
        chunk.outputChecksum =
            static_cast<std::uint32_t>(crc32(0L, chunk.output.data(), static_cast<uInt>(compressedSize)));
    } else {
        // Data that does not shrink is stored as it is, which readers accept as a raw run.
        chunk.kind = Chunk::Kind::stored;
        chunk.outputSize = 0;
        chunk.outputChecksum = chunk.inputChecksum;
    }
}
