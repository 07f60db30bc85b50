#include "ZipWriter.h"

#include "AesZipCipher.h"
#include "ChunkReader.h"
#include "DeflatePool.h"
#include "StagingWalk.h"
#include "TraditionalZipCipher.h"
#include "ZipError.h"
#include "ZipOutput.h"
#include "ZipRecords.h"
#include "toolsupport/ProgressReport.h"

#include <algorithm>
#include <thread>

#include <zlib.h>

namespace {

constexpr int deflateLevel = 6;
constexpr std::uint16_t methodStored = 0;
constexpr std::uint16_t methodDeflated = 8;

} // namespace

ZipWriter::ZipWriter(const ZipRequest& request, const std::string& password, ZipOutput& output,
                     ProgressReport& progress)
    : m_request(request)
    , m_password(password)
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
    const bool aes = m_request.encryption == ZipEncryption::aes256;
    DeflatePool pool(workers, deflateLevel, [this](ZipChunk& chunk) {
        try {
            if (chunk.wantsKeys)
                chunk.keys = std::make_unique<AesZipKeys>(m_password);
        } catch (const std::exception&) {
        }
    });
    bool more = true;
    for (;;) {
        while (more && pool.inFlight() < maxPieces && pool.inFlightBytes() < maxBytes) {
            std::unique_ptr<ZipChunk> chunk = reader.next();
            more = chunk != nullptr;
            if (!more)
                break;
            chunk->wantsKeys = aes && chunk->first && !S_ISDIR(chunk->entry->status.st_mode);
            pool.submit(std::move(chunk));
        }
        if (pool.inFlight() == 0)
            break;
        accept(*pool.takeOldest());
    }
    writeDirectory();
    m_progress.finish();
}

void ZipWriter::accept(ZipChunk& chunk) {
    if (chunk.failed)
        throw ZipError("Not enough memory to compress \"" + chunk.entry->name + "\"");
    if (chunk.first)
        begin(chunk);
    const std::vector<unsigned char>& stored = chunk.stored();
    writeData(stored.data(), stored.size());
    m_checksum = static_cast<std::uint32_t>(
        crc32_combine64(m_checksum, chunk.checksum, static_cast<z_off64_t>(chunk.input.size())));
    m_entry.size += chunk.input.size();
    m_storedBytes += stored.size();
    if (chunk.last)
        finish(chunk);
}

void ZipWriter::begin(ZipChunk& chunk) {
    const StagedEntry& staged = *chunk.entry;
    m_entry = ZipEntryRecord{};
    m_entry.name = staged.name;
    m_entry.flags = ZipRecords::isUtf8(staged.name) ? ZipRecords::flagUtf8 : 0;
    // A piece alone says itself whether it shrank; a longer file is judged once it is all written.
    const bool deflated = chunk.last ? chunk.compressed : chunk.deflate;
    m_method = deflated ? methodDeflated : methodStored;
    m_checksum = 0;
    m_entry.offset = m_output.position();
    m_entry.mode = staged.status.st_mode;
    m_entry.withMetadata = !m_request.omitMetadata;
    m_entry.modified = staged.status.st_mtim.tv_sec;
    m_entry.accessed = staged.status.st_atim.tv_sec;
    m_entry.owner = staged.status.st_uid;
    m_entry.group = staged.status.st_gid;
    const bool encrypted = m_request.encryption != ZipEncryption::none && !S_ISDIR(staged.status.st_mode);
    if (encrypted && m_request.encryption == ZipEncryption::traditional)
        m_entry.flags |= ZipRecords::flagEncrypted | ZipRecords::flagDataDescriptor;
    if (encrypted && m_request.encryption == ZipEncryption::aes256) {
        m_entry.flags |= ZipRecords::flagEncrypted;
        m_entry.encryptionField = AesZipCipher::extraField(m_method);
    }
    const std::uint64_t overhead =
        !encrypted ? 0
        : m_request.encryption == ZipEncryption::aes256
            ? AesZipCipher::saltSize + AesZipCipher::verifierSize + AesZipCipher::codeSize
            : TraditionalZipCipher::headerSize;
    m_entry.localZip64 = S_ISREG(staged.status.st_mode) &&
                         static_cast<std::uint64_t>(staged.status.st_size) + overhead >= 0xFFFFFFFF;
    m_output.write(ZipRecords::localHeader(m_entry));
    m_dataStart = m_output.position();
    m_storedBytes = 0;
    startData(std::move(chunk.keys));
}

// A fresh cipher for the entry's data, whose header goes first. AES uses the keys derived ahead,
// or derives its own.
void ZipWriter::startData(std::unique_ptr<AesZipKeys> keys) {
    if (!(m_entry.flags & ZipRecords::flagEncrypted)) {
        m_cipher.reset();
        return;
    }
    if (m_request.encryption == ZipEncryption::aes256) {
        if (!keys)
            keys = std::make_unique<AesZipKeys>(m_password);
        m_cipher = std::make_unique<AesZipCipher>(*keys);
    } else {
        // The sizes and CRC follow the data, so the check byte comes from the time instead.
        const auto checkByte = static_cast<unsigned char>(ZipRecords::dosTime(m_entry.modified) >> 8);
        m_cipher = std::make_unique<TraditionalZipCipher>(m_password, checkByte);
    }
    m_output.write(m_cipher->header());
}

void ZipWriter::finish(const ZipChunk& chunk) {
    if (m_method == methodDeflated && m_storedBytes >= m_entry.size)
        storeInstead(*chunk.entry);
    if (m_cipher)
        m_output.write(m_cipher->trailer());
    m_cipher.reset();
    m_entry.compressedSize = m_output.position() - m_dataStart;
    m_entry.method = m_method;
    m_entry.checksum = m_checksum;
    if (!m_entry.encryptionField.empty()) {
        // AES keeps the real method in its field, and its code makes the CRC needless.
        m_entry.encryptionField = AesZipCipher::extraField(m_method);
        m_entry.method = AesZipCipher::method;
        m_entry.checksum = 0;
    }
    if (m_entry.flags & ZipRecords::flagDataDescriptor)
        m_output.write(ZipRecords::dataDescriptor(m_entry));
    m_output.patch(m_entry.offset, ZipRecords::localHeader(m_entry));
    m_records.push_back(std::move(m_entry));
}

// A large file that did not shrink: its deflated pieces make way for the bytes as they are.
void ZipWriter::storeInstead(const StagedEntry& entry) {
    m_output.rewind(m_dataStart);
    m_method = methodStored;
    startData({});
    std::vector<unsigned char> piece(ChunkReader::pieceSize);
    std::uint32_t checksum = 0;
    for (std::uint64_t offset = 0; offset < m_entry.size; offset += piece.size()) {
        piece.resize(std::min<std::uint64_t>(ChunkReader::pieceSize, m_entry.size - offset));
        ChunkReader::readExactly(entry, offset, piece.data(), piece.size());
        checksum = static_cast<std::uint32_t>(crc32_z(checksum, piece.data(), piece.size()));
        writeData(piece.data(), piece.size());
    }
    if (checksum != m_checksum)
        throw ZipError("\"" + entry.name + "\" changed while it was read");
}

void ZipWriter::writeData(const unsigned char* data, std::size_t size) {
    if (!m_cipher) {
        m_output.write(data, size);
        return;
    }
    m_encrypted.assign(data, data + size);
    m_cipher->encrypt(m_encrypted.data(), m_encrypted.size());
    m_output.write(m_encrypted);
}

void ZipWriter::writeDirectory() {
    const std::uint64_t directoryOffset = m_output.position();
    for (const ZipEntryRecord& record : m_records)
        m_output.write(ZipRecords::centralHeader(record));
    const std::uint64_t directorySize = m_output.position() - directoryOffset;
    m_output.write(ZipRecords::end(m_records.size(), directoryOffset, directorySize));
}
