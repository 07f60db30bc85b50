#include "ZipWriter.h"

#include "ChunkReader.h"
#include "DeflatePool.h"
#include "ProgressReport.h"
#include "StagingWalk.h"
#include "ZipError.h"
#include "ZipOutput.h"
#include "ZipRecords.h"

#include <algorithm>
#include <thread>

#include <zlib.h>

namespace {

constexpr int deflateLevel = 6;
constexpr std::uint16_t methodStored = 0;
constexpr std::uint16_t methodDeflated = 8;

} // namespace

ZipWriter::ZipWriter(const ZipRequest& request, ZipOutput& output, ProgressReport& progress)
    : m_request(request)
    , m_output(output)
    , m_progress(progress) {}

ZipWriter::~ZipWriter() = default;

void ZipWriter::write() {
    StagingWalk walk(m_request.omitFinderFiles);
    ChunkReader reader(walk, m_progress);
    const unsigned workers = std::max(std::thread::hardware_concurrency(), 1u);
    // Enough pieces in flight to keep every worker busy, few enough to keep memory bounded.
    const std::size_t maxPieces = 64 * workers;
    const std::size_t maxBytes = (workers + 2) * ChunkReader::pieceSize * 2;
    DeflatePool pool(workers, deflateLevel);
    bool more = true;
    for (;;) {
        while (more && pool.inFlight() < maxPieces && pool.inFlightBytes() < maxBytes) {
            std::unique_ptr<ZipChunk> chunk = reader.next();
            more = chunk != nullptr;
            if (more)
                pool.submit(std::move(chunk));
        }
        if (pool.inFlight() == 0)
            break;
        accept(*pool.takeOldest());
    }
    writeDirectory();
    m_progress.finish();
}

void ZipWriter::accept(const ZipChunk& chunk) {
    if (chunk.failed)
        throw ZipError("Not enough memory to compress \"" + chunk.entry->name + "\"");
    if (chunk.first)
        begin(chunk);
    const std::vector<unsigned char>& stored = chunk.stored();
    writeData(stored.data(), stored.size());
    m_entry.checksum = static_cast<std::uint32_t>(
        crc32_combine64(m_entry.checksum, chunk.checksum, static_cast<z_off64_t>(chunk.input.size())));
    m_entry.size += chunk.input.size();
    m_storedBytes += stored.size();
    if (chunk.last)
        finish(chunk);
}

void ZipWriter::begin(const ZipChunk& chunk) {
    const StagedEntry& staged = *chunk.entry;
    m_entry = ZipEntryRecord{};
    m_entry.name = staged.name;
    m_entry.flags = ZipRecords::isUtf8(staged.name) ? ZipRecords::flagUtf8 : 0;
    // A piece alone says itself whether it shrank; a longer file is judged once it is all written.
    const bool deflated = chunk.last ? chunk.compressed : chunk.deflate;
    m_entry.method = deflated ? methodDeflated : methodStored;
    m_entry.offset = m_output.position();
    m_entry.mode = staged.status.st_mode;
    m_entry.localZip64 = S_ISREG(staged.status.st_mode) && staged.status.st_size >= 0xFFFFFFFF;
    m_entry.withMetadata = !m_request.omitMetadata;
    m_entry.modified = staged.status.st_mtim.tv_sec;
    m_entry.accessed = staged.status.st_atim.tv_sec;
    m_entry.owner = staged.status.st_uid;
    m_entry.group = staged.status.st_gid;
    m_output.write(ZipRecords::localHeader(m_entry));
    m_dataStart = m_output.position();
    m_storedBytes = 0;
}

void ZipWriter::finish(const ZipChunk& chunk) {
    if (m_entry.method == methodDeflated && m_storedBytes >= m_entry.size)
        storeInstead(*chunk.entry);
    m_entry.compressedSize = m_output.position() - m_dataStart;
    if (m_entry.flags & ZipRecords::flagDataDescriptor)
        m_output.write(ZipRecords::dataDescriptor(m_entry));
    m_output.patch(m_entry.offset, ZipRecords::localHeader(m_entry));
    m_records.push_back(std::move(m_entry));
}

// A large file that did not shrink: its deflated pieces make way for the bytes as they are.
void ZipWriter::storeInstead(const StagedEntry& entry) {
    m_output.rewind(m_dataStart);
    m_entry.method = methodStored;
    std::vector<unsigned char> piece(ChunkReader::pieceSize);
    std::uint32_t checksum = 0;
    for (std::uint64_t offset = 0; offset < m_entry.size; offset += piece.size()) {
        piece.resize(std::min<std::uint64_t>(ChunkReader::pieceSize, m_entry.size - offset));
        ChunkReader::readExactly(entry, offset, piece.data(), piece.size());
        checksum = static_cast<std::uint32_t>(crc32_z(checksum, piece.data(), piece.size()));
        writeData(piece.data(), piece.size());
    }
    if (checksum != m_entry.checksum)
        throw ZipError("\"" + entry.name + "\" changed while it was read");
}

void ZipWriter::writeData(const unsigned char* data, std::size_t size) {
    m_output.write(data, size);
}

void ZipWriter::writeDirectory() {
    const std::uint64_t directoryOffset = m_output.position();
    for (const ZipEntryRecord& record : m_records)
        m_output.write(ZipRecords::centralHeader(record));
    const std::uint64_t directorySize = m_output.position() - directoryOffset;
    m_output.write(ZipRecords::end(m_records.size(), directoryOffset, directorySize));
}
