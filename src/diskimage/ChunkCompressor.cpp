#include "ChunkCompressor.h"

#include <algorithm>
#include <cstring>

#include <zlib.h>

ChunkCompressor::ChunkCompressor(unsigned workers, int level)
    : m_level(level)
    , m_window(2 * std::max(workers, 1u)) {
    for (unsigned index = 0; index < std::max(workers, 1u); ++index)
        m_threads.emplace_back([this] { work(); });
}

ChunkCompressor::~ChunkCompressor() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_workAvailable.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

std::size_t ChunkCompressor::inFlight() const {
    const std::lock_guard lock(m_mutex);
    return m_inOrder.size();
}

void ChunkCompressor::submit(std::unique_ptr<Chunk> chunk) {
    chunk->done = false;
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.push_back(chunk.get());
        m_inOrder.push_back(std::move(chunk));
    }
    m_workAvailable.notify_one();
}

std::unique_ptr<Chunk> ChunkCompressor::takeOldest() {
    std::unique_lock lock(m_mutex);
    m_chunkDone.wait(lock, [this] { return m_inOrder.front()->done; });
    std::unique_ptr<Chunk> chunk = std::move(m_inOrder.front());
    m_inOrder.pop_front();
    return chunk;
}

void ChunkCompressor::work() {
    for (;;) {
        Chunk* chunk = nullptr;
        {
            std::unique_lock lock(m_mutex);
            m_workAvailable.wait(lock, [this] { return m_stopping || !m_waiting.empty(); });
            if (m_waiting.empty())
                return;
            chunk = m_waiting.front();
            m_waiting.pop_front();
        }
        process(*chunk, m_level);
        {
            const std::lock_guard lock(m_mutex);
            chunk->done = true;
        }
        m_chunkDone.notify_all();
    }
}

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
