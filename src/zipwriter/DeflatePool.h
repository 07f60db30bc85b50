#pragma once

#include "ZipChunk.h"
#include "toolsupport/OrderedWorkPool.h"

#include <functional>
#include <memory>

// Compresses pieces on a pool of threads and hands them back in the order they went in. A large
// file's pieces each end on a full flush, and the last on the stream's end, so that in order they
// make one raw deflate stream.
class DeflatePool final {
public:
    // `prepare`, when given, runs on the worker for every piece after its compression.
    DeflatePool(unsigned workers, int level, std::function<void(ZipChunk&)> prepare = {});

    std::size_t inFlight() const { return m_pool.inFlight(); }
    std::size_t inFlightBytes() const { return m_inFlightBytes; }

    void submit(std::unique_ptr<ZipChunk> chunk);
    // The oldest submitted piece, once it is done. Only when inFlight() > 0.
    std::unique_ptr<ZipChunk> takeOldest();

private:
    static OrderedWorkPool<ZipChunk>::Job makeJob(int level, const std::function<void(ZipChunk&)>& prepare);

    std::size_t m_inFlightBytes = 0;
    OrderedWorkPool<ZipChunk> m_pool;
};
