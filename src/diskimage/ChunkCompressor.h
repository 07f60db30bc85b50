#pragma once

#include "toolsupport/OrderedWorkPool.h"

#include <cstdint>
#include <memory>
#include <vector>

// One piece of the filesystem image and what became of it.
struct Chunk {
    enum class Kind : std::uint32_t { zeros, stored, compressed };

    std::vector<unsigned char> input; // `inputSize` bytes are meaningful
    std::size_t inputSize = 0;
    std::vector<unsigned char> output; // compressed bytes when `kind` is compressed
    std::size_t outputSize = 0;
    Kind kind = Kind::stored;
    std::uint32_t inputChecksum = 0;  // CRC-32 of the input (0 for zeros)
    std::uint32_t outputChecksum = 0; // CRC-32 of what is stored

    const unsigned char* storedData() const {
        return kind == Kind::compressed ? output.data() : input.data();
    }
    std::size_t storedSize() const {
        return kind == Kind::compressed ? outputSize : kind == Kind::stored ? inputSize : 0;
    }
};

// Compresses chunks on a small pool of threads. Chunks come back in the order they went in, and
// at most `window` are in flight, so memory stays bounded whatever the image's size.
class ChunkCompressor final {
public:
    ChunkCompressor(unsigned workers, int level);

    std::size_t window() const { return m_window; }
    std::size_t inFlight() const { return m_pool.inFlight(); }

    void submit(std::unique_ptr<Chunk> chunk) { m_pool.submit(std::move(chunk)); }
    // The oldest submitted chunk, once it is done. Only when inFlight() > 0.
    std::unique_ptr<Chunk> takeOldest() { return m_pool.takeOldest(); }

    // Compresses one chunk in place; what every worker does.
    static void process(Chunk& chunk, int level);

private:
    const std::size_t m_window;
    OrderedWorkPool<Chunk> m_pool;
};
