#pragma once

#include "ZipChunk.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Compresses pieces on a pool of threads and hands them back in the order they went in. A large
// file's pieces each end on a full flush, and the last on the stream's end, so that in order they
// make one raw deflate stream.
class DeflatePool final {
public:
    DeflatePool(unsigned workers, int level);
    ~DeflatePool();
    DeflatePool(const DeflatePool&) = delete;
    DeflatePool& operator=(const DeflatePool&) = delete;

    std::size_t inFlight() const;
    std::size_t inFlightBytes() const;

    void submit(std::unique_ptr<ZipChunk> chunk);
    // The oldest submitted piece, once it is done. Only when inFlight() > 0.
    std::unique_ptr<ZipChunk> takeOldest();

private:
    struct Slot {
        std::unique_ptr<ZipChunk> chunk;
        bool done = false;
    };

    void work();

    const int m_level;
    mutable std::mutex m_mutex;
    std::condition_variable m_workAvailable;
    std::condition_variable m_chunkDone;
    std::deque<Slot> m_inOrder;  // every piece in flight, oldest first
    std::deque<Slot*> m_waiting; // not yet picked up by a worker
    std::size_t m_inFlightBytes = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};
