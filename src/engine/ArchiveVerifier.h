#pragma once

#include "ArchiveFormat.h"
#include "StagedManifest.h"

#include <QString>

#include <atomic>
#include <functional>
#include <optional>
#include <stop_token>

// The outcome of reading an archive back.
struct ReadBack {
    enum class Result { passed, failed, skipped };
    Result result = Result::passed;
    QString reason; // why it failed, in the reader's words
};

// Reads a finished archive back in full before anything depends on it: every member's data is
// decompressed (so zip's and bzip2's checksums and gzip's trailer are checked) and the member
// names and file sizes must be exactly what was staged.
class ArchiveVerifier final {
public:
    // A disk image is checked by its own tool; without one, disk images are skipped. A stopped
    // check throws CompressionError::cancelled.
    using DiskImageCheck = std::function<ReadBack(
        const QString& image, const std::optional<QString>& password, std::stop_token stop)>;

    // Runs `tool verify [-stdinpass] IMAGE`, the password on its standard input; a failure carries
    // the tool's own line. A stop ends the tool.
    static DiskImageCheck diskImageTool(QString tool);

    // `stop` ends a read-back early (it then throws CompressionError::cancelled); `bytesDone`,
    // when given, follows the bytes of the archive read so far.
    explicit ArchiveVerifier(std::stop_token stop = {}, std::atomic<qint64>* bytesDone = nullptr,
                             DiskImageCheck diskImageCheck = {});

    ReadBack verify(const QString& archive, ArchiveFormat format, const StagedManifest& expected,
                    const std::optional<QString>& password) const;

private:
    ReadBack verifyDiskImage(const QString& image, const std::optional<QString>& password) const;

    std::stop_token m_stop;
    std::atomic<qint64>* m_bytesDone;
    DiskImageCheck m_diskImageCheck;
};
