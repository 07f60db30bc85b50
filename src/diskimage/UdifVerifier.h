#pragma once

#include <cstdint>
#include <vector>

class ImageSource;

// Reads a compressed UDIF image back in one pass through pieces of bounded size: the trailer,
// the block tables, every chunk inflated to exactly its declared sectors, and the three CRC-32s
// (data fork, each block table, master).
class UdifVerifier final {
public:
    // Throws DiskImageError naming the first fault found.
    static void verify(ImageSource& image);

private:
    explicit UdifVerifier(ImageSource& image);

    void run();
    void checkTable(const std::vector<unsigned char>& table);
    // Feeds [m_forkPosition, end) of the data fork to the data checksum only.
    void skipTo(std::uint64_t end);
    // Reads one stored chunk; returns the CRC-32 of what it expands to.
    std::uint32_t readChunk(std::uint32_t type, std::uint64_t storedLength, std::uint64_t expandedSize,
                            std::uint64_t sector);

    ImageSource& m_image;
    std::uint64_t m_dataForkOffset = 0;
    std::uint64_t m_dataForkLength = 0;
    std::uint64_t m_forkPosition = 0; // how far the data fork has been read
    std::uint32_t m_dataChecksum = 0;
    std::uint64_t m_sector = 0; // first sector of the next block table
    std::vector<unsigned char> m_tableChecksums;
    std::vector<unsigned char> m_stored;
    std::vector<unsigned char> m_expanded;
};
