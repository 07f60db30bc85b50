#include "RawDeflater.h"

#include <cstring>
#include <stdexcept>

RawDeflater::RawDeflater(int level) {
    // Negative window bits: raw deflate, which is what a zip entry holds.
    if (deflateInit2(&m_stream, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::bad_alloc();
}

RawDeflater::~RawDeflater() {
    deflateEnd(&m_stream);
}

void RawDeflater::process(ZipChunk& chunk) {
    const bool zeroRun = isZeroRun(chunk);
    if (zeroRun && m_zeroRunSize == chunk.input.size() && !m_zeroRunOutput.empty()) {
        chunk.checksum = m_zeroRunChecksum;
        chunk.output = m_zeroRunOutput;
        chunk.compressed = true;
        return;
    }
    chunk.checksum = static_cast<std::uint32_t>(crc32_z(0L, chunk.input.data(), chunk.input.size()));
    chunk.compressed = false;
    chunk.output.clear();
    if (!chunk.deflate)
        return;
    compress(chunk);
    if (zeroRun) {
        m_zeroRunOutput = chunk.output;
        m_zeroRunChecksum = chunk.checksum;
        m_zeroRunSize = chunk.input.size();
    }
    // A file in one piece that does not shrink is stored; a longer one is judged on its whole.
    if (chunk.first && chunk.last && chunk.output.size() >= chunk.input.size()) {
        chunk.compressed = false;
        chunk.output = {};
    }
}

// Only a piece in the middle of a file, all zeros, after a full window of zeros.
bool RawDeflater::isZeroRun(const ZipChunk& chunk) const {
    const auto isZero = [](const std::vector<unsigned char>& bytes) {
        return !bytes.empty() && bytes.front() == 0 &&
               std::memcmp(bytes.data(), bytes.data() + 1, bytes.size() - 1) == 0;
    };
    return chunk.deflate && !chunk.first && !chunk.last && chunk.dictionary.size() == 32 * 1024 &&
           isZero(chunk.dictionary) && isZero(chunk.input);
}

void RawDeflater::compress(ZipChunk& chunk) {
    deflateReset(&m_stream);
    if (!chunk.dictionary.empty())
        deflateSetDictionary(&m_stream, chunk.dictionary.data(), static_cast<uInt>(chunk.dictionary.size()));
    chunk.output.resize(deflateBound(&m_stream, static_cast<uLong>(chunk.input.size())) + 64);
    m_stream.next_in = chunk.input.data();
    m_stream.avail_in = static_cast<uInt>(chunk.input.size());
    m_stream.next_out = chunk.output.data();
    m_stream.avail_out = static_cast<uInt>(chunk.output.size());
    const int flush = chunk.last ? Z_FINISH : Z_FULL_FLUSH;
    for (;;) {
        const int result = deflate(&m_stream, flush);
        const bool finished = chunk.last ? result == Z_STREAM_END : m_stream.avail_out > 0;
        if (finished)
            break;
        if (result != Z_OK && result != Z_BUF_ERROR)
            throw std::runtime_error("The compressor failed");
        const std::size_t used = chunk.output.size() - m_stream.avail_out;
        chunk.output.resize(chunk.output.size() * 2);
        m_stream.next_out = chunk.output.data() + used;
        m_stream.avail_out = static_cast<uInt>(chunk.output.size() - used);
    }
    chunk.output.resize(chunk.output.size() - m_stream.avail_out);
    chunk.compressed = true;
}
