#pragma once

#include "UdifLayout.h"

#include <cstdint>
#include <vector>

class ImageSink;
class FilesystemStream;
class ProgressReport;
struct Chunk;

// Wraps a filesystem image as a compressed, whole-disk UDIF image (UDZO): independent zlib
// chunks of at most 1 MiB, the property list with the block table, and the 512-byte trailer
// with its checksums.
class UdifWriter final {
public:
    // Threads compressing at once; 0 means one per processor.
    explicit UdifWriter(unsigned workers = 0, int level = defaultLevel);

    // Reports the filesystem's bytes as they are read. Throws DiskImageError.
    void write(FilesystemStream& filesystem, ImageSink& sink, ProgressReport& progress);

    static constexpr std::uint64_t sectorSize = UdifLayout::sectorSize;
    static constexpr std::uint64_t sectorsPerChunk = 2048;
    // Close to gzip's default size at half its time.
    static constexpr int defaultLevel = 5;

private:
    struct Run {
        std::uint32_t type;
        std::uint64_t firstSector;
        std::uint64_t sectorCount;
        std::uint64_t storedOffset;
        std::uint64_t storedLength;
    };

    // Compresses the filesystem chunk by chunk, several at once, and stores them in order.
    void writeChunks(FilesystemStream& filesystem, ImageSink& sink, ProgressReport& progress);
    // The "koly" block that ends the image: where the parts are and their checksums.
    void writeTrailer(std::uint64_t plistSize, ImageSink& sink) const;
    void store(const Chunk& chunk, ImageSink& sink);
    std::vector<unsigned char> blockTable() const;

    unsigned m_workers;
    int m_level;
    std::vector<Run> m_runs;
    std::uint64_t m_sector = 0;
    std::uint64_t m_dataForkLength = 0;
    std::uint32_t m_dataChecksum = 0;
    std::uint32_t m_blockChecksum = 0;
};
