#include "DeflatePool.h"

#include "RawDeflater.h"

#include <algorithm>

DeflatePool::DeflatePool(unsigned workers, int level)
    : m_level(level) {
    for (unsigned index = 0; index < std::max(workers, 1u); ++index)
        m_threads.emplace_back([this] { work(); });
}

DeflatePool::~DeflatePool() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_workAvailable.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

std::size_t DeflatePool::inFlight() const {
    const std::lock_guard lock(m_mutex);
    return m_inOrder.size();
}

std::size_t DeflatePool::inFlightBytes() const {
    const std::lock_guard lock(m_mutex);
    return m_inFlightBytes;
}

void DeflatePool::submit(std::unique_ptr<ZipChunk> chunk) {
    {
        const std::lock_guard lock(m_mutex);
        m_inFlightBytes += chunk->input.size();
        m_inOrder.push_back(Slot{std::move(chunk), false});
        m_waiting.push_back(&m_inOrder.back());
    }
    m_workAvailable.notify_one();
}

std::unique_ptr<ZipChunk> DeflatePool::takeOldest() {
    std::unique_lock lock(m_mutex);
    m_chunkDone.wait(lock, [this] { return m_inOrder.front().done; });
    std::unique_ptr<ZipChunk> chunk = std::move(m_inOrder.front().chunk);
    m_inOrder.pop_front();
    m_inFlightBytes -= chunk->input.size();
    return chunk;
}

void DeflatePool::work() {
    // zlib fails only for want of memory; the writer reports that when the piece comes back.
    std::unique_ptr<RawDeflater> deflater;
    try {
        deflater = std::make_unique<RawDeflater>(m_level);
    } catch (const std::exception&) {
    }
    for (;;) {
        Slot* slot = nullptr;
        {
            std::unique_lock lock(m_mutex);
            m_workAvailable.wait(lock, [this] { return m_stopping || !m_waiting.empty(); });
            if (m_waiting.empty())
                return;
            slot = m_waiting.front();
            m_waiting.pop_front();
        }
        ZipChunk& chunk = *slot->chunk;
        try {
            if (!deflater)
                throw std::bad_alloc();
            deflater->process(chunk);
        } catch (const std::exception&) {
            chunk.failed = true;
        }
        {
            const std::lock_guard lock(m_mutex);
            slot->done = true;
        }
        m_chunkDone.notify_all();
    }
}
