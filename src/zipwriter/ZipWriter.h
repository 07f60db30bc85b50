#pragma once

#include "ZipChunk.h"
#include "ZipCommandLine.h"
#include "ZipEntryRecord.h"

#include <memory>
#include <string>
#include <vector>

class ProgressReport;
class ZipOutput;

// Writes the staging folder (the working directory) into the archive: pieces compressed on every
// core, written in order, then the central directory.
class ZipWriter final {
public:
    ZipWriter(const ZipRequest& request, ZipOutput& output, ProgressReport& progress);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // Throws ZipError.
    void write();

private:
    void accept(const ZipChunk& chunk);
    void begin(const ZipChunk& chunk);
    void finish(const ZipChunk& chunk);
    void storeInstead(const StagedEntry& entry);
    void writeData(const unsigned char* data, std::size_t size);
    void writeDirectory();

    const ZipRequest& m_request;
    ZipOutput& m_output;
    ProgressReport& m_progress;
    std::vector<ZipEntryRecord> m_records;

    // The entry being written.
    ZipEntryRecord m_entry;
    std::uint64_t m_dataStart = 0;
    std::uint64_t m_storedBytes = 0;
};
