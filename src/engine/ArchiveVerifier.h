#pragma once

#include "ArchiveFormat.h"
#include "CancellationToken.h"
#include "StagedManifest.h"

#include <QString>

#include <atomic>
#include <functional>
#include <optional>

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
    // A disk image is checked by its own tool; without one, disk images are skipped. A cancelled
    // check throws JobCancelledError.
    using DiskImageCheck = std::function<ReadBack(
        const QString& image, const std::optional<QString>& password, const CancellationToken& cancellation)>;

    // Runs `tool verify [-stdinpass] IMAGE`, the password on its standard input; a failure carries
    // the tool's own line. Cancelling stops the tool.
    static DiskImageCheck diskImageTool(QString tool);

    // `cancelled` ends a read-back early (it then throws JobCancelledError); `bytesDone`, when
    // given, follows the bytes of the archive read so far.
    explicit ArchiveVerifier(CancellationToken cancellation = {}, std::atomic<qint64>* bytesDone = nullptr,
                             DiskImageCheck diskImageCheck = {});

    ReadBack verify(const QString& archive, ArchiveFormat format, const StagedManifest& expected,
                    const std::optional<QString>& password) const;

private:
    CancellationToken m_cancellation;
    std::atomic<qint64>* m_bytesDone;
    DiskImageCheck m_diskImageCheck;
};
