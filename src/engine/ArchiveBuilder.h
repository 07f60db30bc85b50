#pragma once

#include "ArchiveAction.h"
#include "ArchiveFormat.h"
#include "CancellationToken.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

#include "CompressionError.h"
#include "SecretWipe.h"
#include "ToolRunner.h"

class PendingArchive;
struct RunProgress;
class StagedManifest;
class StagingFolder;

// Balewick's own disk-image tool, installed beside the running executable.
QString bundledDiskImageTool();

// The executables the builder runs; tests substitute slow or failing stand-ins.
struct ArchiveTools {
    QString zip = QStringLiteral("/usr/bin/zip");
    QString tar = QStringLiteral("/usr/bin/tar");
    QString diskImage = bundledDiskImageTool();
};

// One tool invocation as the builder would run it: it starts in the staging folder.
struct ToolInvocation {
    QString executable;
    QStringList arguments;
    std::optional<QByteArray> input;
    // Typed at the tool's password prompts on a terminal of its own.
    std::optional<QByteArray> terminalPassword;

    // The input may hold the password too.
    ~ToolInvocation() {
        // The values only: resetting the optionals here trips GCC 12's uninitialised-use warning at -O3.
        if (input)
            wipe(*input);
        if (terminalPassword)
            wipe(*terminalPassword);
    }
};

// Makes one archive from an ordered list of items: stages them in a private temporary folder,
// runs one tool over it and removes the folder again.
class ArchiveBuilder final {
public:
    explicit ArchiveBuilder(ArchiveTools tools = {}, ToolRunner* runner = nullptr);

    // Blocking; run it on a worker thread. Throws CompressionError, PlatformError or
    // JobCancelledError (when `cancellation` is cancelled before the tool starts). `manifest`, when
    // given, receives what was staged, for reading the archive back; `progress`, when given, how
    // far the copying and then the tool have got. A destination or staging place without the
    // room for the bytes to write fails with "error.diskFull" before anything is written. When
    // someone else moved or replaced one of its folders meanwhile, the run ends with
    // CompressionError::notOurs naming it, and that folder is left as it is.
    void createArchive(const QList<QUrl>& items, bool omitFinderFiles, ArchiveFormat format,
                       const QUrl& output, const QString& volumeName, const std::optional<QString>& password,
                       bool omitMacMetadata, const CancellationToken& cancellation = {},
                       StagedManifest* manifest = nullptr, RunProgress* progress = nullptr) const;

    // True when the password is one line that reaches the tools whole: no line feed (where they
    // stop reading), carriage return or NUL.
    static bool isOneLinePassword(const QString& password);

    // The "error.diskFull" failure for `folder`, which lacks room for `neededBytes`.
    static CompressionError diskFull(const QString& folder, qint64 neededBytes);

    // The base name (without extension) proposed for an archive of these items.
    static QString defaultArchiveName(const QList<QUrl>& items, ArchiveAction action,
                                      const QDateTime& now = QDateTime::currentDateTime());

    // The tool, arguments and standard input for one format; the tool runs in the staging folder,
    // which it calls ".". A tool that reads names is given those at the top of `stagingFolder`; a
    // failure to list them throws PlatformError.
    ToolInvocation invocation(ArchiveFormat format, const QString& stagingFolder, const QString& output,
                              const QString& volumeName, const std::optional<QString>& password,
                              bool omitFinderFiles, bool omitMacMetadata) const;

    static QStringList zipArguments(const QString& output, bool omitMacMetadata, bool omitFinderFiles);

    // Staging normally hard-links files; off, every file is truly copied (tests and measurements).
    void setHardLinksAllowed(bool allowed) { m_hardLinksAllowed = allowed; }

private:
    void runArchiver(ArchiveFormat format, const StagingFolder& staging, PendingArchive& archive,
                     const QString& volumeName, const std::optional<QString>& password, bool omitFinderFiles,
                     bool omitMacMetadata, const CancellationToken& cancellation) const;

    ArchiveTools m_tools;
    ToolRunner* m_runner;
    bool m_hardLinksAllowed = true;
};
