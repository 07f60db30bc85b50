#pragma once

#include "ZipChunk.h"
#include "ZipCommandLine.h"
#include "ZipEntryCipher.h"
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
    // `password` is used when the request asks for encryption.
    ZipWriter(const ZipRequest& request, const std::string& password, ZipOutput& output,
              ProgressReport& progress);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // Throws ZipError.
    void write();

private:
    void accept(ZipChunk& chunk);
    void begin(ZipChunk& chunk);
    void finish(const ZipChunk& chunk);
    void startData(std::unique_ptr<AesZipKeys> keys);
    void storeInstead(const StagedEntry& entry);
    void writeData(const unsigned char* data, std::size_t size);
    void writeDirectory();

    const ZipRequest& m_request;
    const std::string& m_password;
    ZipOutput& m_output;
    ProgressReport& m_progress;
    std::vector<ZipEntryRecord> m_records;

    // The entry being written.
    ZipEntryRecord m_entry;
    std::uint16_t m_method = 0;
    std::uint32_t m_checksum = 0;
    std::uint64_t m_dataStart = 0; // where the encryption header or else the data begins
    std::uint64_t m_storedBytes = 0;
    std::unique_ptr<ZipEntryCipher> m_cipher;
    std::vector<unsigned char> m_encrypted;
};
