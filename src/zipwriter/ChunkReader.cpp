#include "ChunkReader.h"

#include "CompressedNames.h"
#include "ZipError.h"
#include "toolsupport/ProgressReport.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr std::size_t dictionarySize = 32 * 1024; // deflate's window

[[noreturn]] void changed(const StagedEntry& entry) {
    throw ZipError("\"" + entry.name + "\" changed while it was read");
}

void checkUnchanged(const StagedEntry& entry) {
    struct stat now {};
    if (::fstat(entry.file->descriptor(), &now) != 0)
        throw ZipError("\"" + entry.name + "\" could not be read: " + std::strerror(errno));
    if (now.st_size != entry.status.st_size || now.st_mtim.tv_sec != entry.status.st_mtim.tv_sec ||
        now.st_mtim.tv_nsec != entry.status.st_mtim.tv_nsec)
        changed(entry);
}

} // namespace

ChunkReader::ChunkReader(StagingWalk& walk, ProgressReport& progress)
    : m_walk(walk)
    , m_progress(progress) {}

std::unique_ptr<ZipChunk> ChunkReader::next() {
    if (m_file)
        return readPiece();
    std::optional<StagedEntry> entry = m_walk.next();
    if (!entry)
        return nullptr;
    return start(std::move(*entry));
}

std::unique_ptr<ZipChunk> ChunkReader::start(StagedEntry entry) {
    auto shared = std::make_shared<const StagedEntry>(std::move(entry));
    if (shared->file) {
        m_file = shared;
        m_offset = 0;
        m_tail.clear();
        return readPiece();
    }
    auto chunk = std::make_unique<ZipChunk>();
    chunk->entry = std::move(shared);
    const std::string& target = chunk->entry->linkTarget;
    chunk->input.assign(target.begin(), target.end());
    return chunk;
}

std::unique_ptr<ZipChunk> ChunkReader::readPiece() {
    const StagedEntry& entry = *m_file;
    const auto size = static_cast<std::uint64_t>(entry.status.st_size);
    auto chunk = std::make_unique<ZipChunk>();
    chunk->entry = m_file;
    chunk->first = m_offset == 0;
    chunk->input.resize(std::min<std::uint64_t>(size - m_offset, pieceSize));
    chunk->deflate = size > 0 && !CompressedNames::isCompressed(entry.name);
    readExactly(entry, m_offset, chunk->input.data(), chunk->input.size());
    m_offset += chunk->input.size();
    m_progress.add(chunk->input.size());
    chunk->last = m_offset == size;
    if (chunk->deflate) {
        chunk->dictionary = std::move(m_tail);
        const std::size_t kept = std::min(dictionarySize, chunk->input.size());
        m_tail.assign(chunk->input.end() - static_cast<std::ptrdiff_t>(kept), chunk->input.end());
    }
    if (chunk->last) {
        // One more byte than the size at the start, or another size or time now: it changed.
        unsigned char extra = 0;
        if (::pread(entry.file->descriptor(), &extra, 1, static_cast<off_t>(size)) > 0)
            changed(entry);
        checkUnchanged(entry);
        m_file.reset();
        m_tail.clear();
    }
    return chunk;
}

void ChunkReader::readExactly(const StagedEntry& entry, std::uint64_t offset, unsigned char* data,
                              std::size_t size) {
    while (size > 0) {
        const ssize_t got = ::pread(entry.file->descriptor(), data, size, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw ZipError("\"" + entry.name + "\" could not be read: " + std::strerror(errno));
        if (got == 0)
            changed(entry);
        data += got;
        size -= static_cast<std::size_t>(got);
        offset += static_cast<std::uint64_t>(got);
    }
}
