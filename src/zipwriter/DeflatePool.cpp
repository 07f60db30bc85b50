#include "DeflatePool.h"

#include "RawDeflater.h"

DeflatePool::DeflatePool(unsigned workers, int level, std::function<void(ZipChunk&)> prepare)
    : m_pool(workers, [level, prepare = std::move(prepare)] { return makeJob(level, prepare); }) {}

void DeflatePool::submit(std::unique_ptr<ZipChunk> chunk) {
    m_inFlightBytes += chunk->input.size();
    m_pool.submit(std::move(chunk));
}

std::unique_ptr<ZipChunk> DeflatePool::takeOldest() {
    std::unique_ptr<ZipChunk> chunk = m_pool.takeOldest();
    m_inFlightBytes -= chunk->input.size();
    return chunk;
}

OrderedWorkPool<ZipChunk>::Job DeflatePool::makeJob(int level,
                                                    const std::function<void(ZipChunk&)>& prepare) {
    // zlib fails only for want of memory; the writer reports that when the piece comes back.
    std::shared_ptr<RawDeflater> deflater;
    try {
        deflater = std::make_shared<RawDeflater>(level);
    } catch (const std::exception&) {
    }
    return [deflater, prepare](ZipChunk& chunk) {
        try {
            if (!deflater)
                throw std::bad_alloc();
            deflater->process(chunk);
        } catch (const std::exception&) {
            chunk.failed = true;
        }
        if (prepare)
            prepare(chunk);
    };
}
