#pragma once

#include "StagingWalk.h"
#include "ZipChunk.h"

#include <cstdint>
#include <memory>

class ProgressReport;

// Cuts the staging folder's entries into pieces for the compressors, in archive order. A file is
// read through the descriptor it was opened with; one that changes while it is read is a failure.
class ChunkReader final {
public:
    static constexpr std::size_t pieceSize = 1 << 20;

    ChunkReader(StagingWalk& walk, ProgressReport& progress);

    // The next piece, or nothing at the end. Throws ZipError.
    std::unique_ptr<ZipChunk> next();

    // Reads `size` bytes at `offset`, or fails naming the entry. Throws ZipError.
    static void readExactly(const StagedEntry& entry, std::uint64_t offset, unsigned char* data,
                            std::size_t size);

private:
    std::unique_ptr<ZipChunk> start(StagedEntry entry);
    std::unique_ptr<ZipChunk> readPiece();

    StagingWalk& m_walk;
    ProgressReport& m_progress;
    std::shared_ptr<const StagedEntry> m_file; // a file whose pieces are not all read
    std::uint64_t m_offset = 0;
    std::vector<unsigned char> m_tail; // the end of the previous piece, for the next one's dictionary
};
