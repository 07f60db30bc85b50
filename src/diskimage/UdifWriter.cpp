#include "UdifWriter.h"

#include "BigEndian.h"
#include "ChunkCompressor.h"
#include "DiskImageError.h"
#include "FilesystemStream.h"
#include "ImageSink.h"
#include "UdifLayout.h"
#include "toolsupport/ProgressReport.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>

#include <openssl/rand.h>

using namespace UdifLayout;

namespace {

constexpr std::size_t plstSize = 1032;
// The partition's name; readers take the filesystem type from it.
constexpr const char* partitionName = "whole disk (Apple_ISO : 0)";

std::string base64Lines(const std::vector<unsigned char>& data) {
    const QByteArray encoded = QByteArray::fromRawData(reinterpret_cast<const char*>(data.data()),
                                                       static_cast<qsizetype>(data.size()))
                                   .toBase64();
    std::string lines;
    for (qsizetype start = 0; start < encoded.size(); start += 52)
        lines += "\t\t\t\t" + encoded.mid(start, 52).toStdString() + "\n";
    return lines;
}

std::string entry(const std::vector<unsigned char>& data, const char* name, bool withCFName) {
    std::string text = "\t\t\t<dict>\n\t\t\t\t<key>Attributes</key>\n\t\t\t\t<string>0x0050</string>\n";
    if (withCFName)
        text += std::string("\t\t\t\t<key>CFName</key>\n\t\t\t\t<string>") + name + "</string>\n";
    text += "\t\t\t\t<key>Data</key>\n\t\t\t\t<data>\n" + base64Lines(data) + "\t\t\t\t</data>\n";
    text += "\t\t\t\t<key>ID</key>\n\t\t\t\t<string>0</string>\n";
    text += std::string("\t\t\t\t<key>Name</key>\n\t\t\t\t<string>") + name + "</string>\n\t\t\t</dict>\n";
    return text;
}

// The resource fork as a property list: the block table ("blkx") and the "plst" resource.
std::string propertyList(const std::vector<unsigned char>& table) {
    std::vector<unsigned char> plst(plstSize, 0);
    BigEndian::put16(plst.data() + 516, 1);
    BigEndian::put16(plst.data() + 518, 1);
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                       "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                       "<plist version=\"1.0\">\n<dict>\n\t<key>resource-fork</key>\n\t<dict>\n"
                       "\t\t<key>blkx</key>\n\t\t<array>\n") +
           entry(table, partitionName, true) + "\t\t</array>\n\t\t<key>plst</key>\n\t\t<array>\n" +
           entry(plst, "", false) + "\t\t</array>\n\t</dict>\n</dict>\n</plist>\n";
}

} // namespace

UdifWriter::UdifWriter(unsigned workers, int level)
    : m_workers(workers ? workers : std::clamp(std::thread::hardware_concurrency(), 1u, 8u))
    , m_level(level) {}

void UdifWriter::write(FilesystemStream& filesystem, ImageSink& sink, ProgressReport& progress) {
    writeChunks(filesystem, sink, progress);
    const std::string plist = propertyList(blockTable());
    sink.write(reinterpret_cast<const unsigned char*>(plist.data()), plist.size());
    writeTrailer(plist.size(), sink);
    sink.finish();
    progress.finish();
}

void UdifWriter::writeChunks(FilesystemStream& filesystem, ImageSink& sink, ProgressReport& progress) {
    const std::uint64_t totalBytes = filesystem.size();
    const std::size_t chunkBytes = sectorSize * sectorsPerChunk;
    ChunkCompressor compressor(m_workers, m_level);
    std::vector<std::unique_ptr<Chunk>> spare;
    for (std::uint64_t read = 0; read < totalBytes;) {
        if (compressor.inFlight() >= compressor.window()) {
            std::unique_ptr<Chunk> finished = compressor.takeOldest();
            store(*finished, sink);
            spare.push_back(std::move(finished));
        }
        std::unique_ptr<Chunk> chunk;
        if (spare.empty()) {
            chunk = std::make_unique<Chunk>();
            chunk->input.resize(chunkBytes);
        } else {
            chunk = std::move(spare.back());
            spare.pop_back();
        }
        chunk->inputSize = static_cast<std::size_t>(std::min<std::uint64_t>(chunkBytes, totalBytes - read));
        filesystem.read(chunk->input.data(), chunk->inputSize);
        read += chunk->inputSize;
        progress.add(chunk->inputSize);
        compressor.submit(std::move(chunk));
    }
    while (compressor.inFlight() > 0)
        store(*compressor.takeOldest(), sink);
}

void UdifWriter::writeTrailer(std::uint64_t plistSize, ImageSink& sink) const {
    unsigned char checksumBytes[4];
    BigEndian::put32(checksumBytes, m_blockChecksum);
    const auto masterChecksum = crc(0, checksumBytes, sizeof checksumBytes);

    unsigned char trailer[trailerSize] = {};
    std::memcpy(trailer, "koly", 4);
    BigEndian::put32(trailer + 4, 4);
    BigEndian::put32(trailer + 8, trailerSize);
    BigEndian::put32(trailer + 12, 1); // flattened
    BigEndian::put64(trailer + 32, m_dataForkLength);
    BigEndian::put32(trailer + 56, 1); // segment 1 of 1
    BigEndian::put32(trailer + 60, 1);
    if (RAND_bytes(trailer + 64, 16) != 1)
        throw DiskImageError("The disk image could not be given an identifier");
    BigEndian::put32(trailer + 80, crc32Type);
    BigEndian::put32(trailer + 84, crc32Bits);
    BigEndian::put32(trailer + 88, m_dataChecksum);
    BigEndian::put64(trailer + 216, m_dataForkLength);
    BigEndian::put64(trailer + 224, plistSize);
    BigEndian::put32(trailer + 352, crc32Type);
    BigEndian::put32(trailer + 356, crc32Bits);
    BigEndian::put32(trailer + 360, masterChecksum);
    BigEndian::put32(trailer + 488, 2); // a disk without a partition map
    BigEndian::put64(trailer + 492, m_sector);
    sink.write(trailer, sizeof trailer);
}

void UdifWriter::store(const Chunk& chunk, ImageSink& sink) {
    const std::uint64_t sectors = chunk.inputSize / sectorSize;
    if (chunk.kind == Chunk::Kind::zeros) {
        if (!m_runs.empty() && m_runs.back().type == zeroRun)
            m_runs.back().sectorCount += sectors;
        else
            m_runs.push_back({zeroRun, m_sector, sectors, m_dataForkLength, 0});
    } else {
        const std::size_t stored = chunk.storedSize();
        sink.write(chunk.storedData(), stored);
        m_runs.push_back({chunk.kind == Chunk::Kind::compressed ? zlibRun : rawRun, m_sector, sectors,
                          m_dataForkLength, stored});
        m_dataChecksum = combine(m_dataChecksum, chunk.outputChecksum, stored);
        m_blockChecksum = combine(m_blockChecksum, chunk.inputChecksum, chunk.inputSize);
        m_dataForkLength += stored;
    }
    m_sector += sectors;
}

std::vector<unsigned char> UdifWriter::blockTable() const {
    const std::size_t count = m_runs.size() + 1;
    std::vector<unsigned char> table(blockTableHeaderSize + runSize * count, 0);
    unsigned char* header = table.data();
    std::memcpy(header, "mish", 4);
    BigEndian::put32(header + 4, 1);
    BigEndian::put64(header + 16, m_sector);
    BigEndian::put32(header + 32, static_cast<std::uint32_t>(sectorsPerChunk + 8));
    BigEndian::put32(header + 36, 0xFFFFFFFE); // the whole disk
    BigEndian::put32(header + 64, crc32Type);
    BigEndian::put32(header + 68, crc32Bits);
    BigEndian::put32(header + 72, m_blockChecksum);
    BigEndian::put32(header + 200, static_cast<std::uint32_t>(count));

    unsigned char* run = header + blockTableHeaderSize;
    for (const Run& each : m_runs) {
        BigEndian::put32(run, each.type);
        BigEndian::put64(run + 8, each.firstSector);
        BigEndian::put64(run + 16, each.sectorCount);
        BigEndian::put64(run + 24, each.storedOffset);
        BigEndian::put64(run + 32, each.storedLength);
        run += runSize;
    }
    // The end marker points at the end of the data, which some readers rely on.
    BigEndian::put32(run, lastRun);
    BigEndian::put64(run + 8, m_sector);
    BigEndian::put64(run + 24, m_dataForkLength);
    return table;
}
