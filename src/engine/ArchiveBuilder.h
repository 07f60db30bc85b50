#pragma once

#include "ArchiveAction.h"
#include "ArchiveRequest.h"
#include "CompressionError.h"
#include "FormatDescription.h"
#include "SecretWipe.h"
#include "StagedManifest.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>
#include <stop_token>

class PendingArchive;
struct RunProgress;
class StagingFolder;

// Balewick's own disk-image and zip tools, installed beside the running executable.
QString bundledDiskImageTool();
QString bundledZipTool();

// The executables the builder runs; tests substitute slow, failing or missing stand-ins.
struct ArchiveTools {
    QString tar = QStringLiteral("/usr/bin/tar");
    QString diskImage = bundledDiskImageTool();
    QString zipWriter = bundledZipTool();
    // The compressors tar runs, each on every core.
    QString pigz = QStringLiteral("/usr/bin/pigz");
    QString lbzip2 = QStringLiteral("/usr/bin/lbzip2");
    QString xz = QStringLiteral("/usr/bin/xz");
    QString zstd = QStringLiteral("/usr/bin/zstd");

    // The command tar compresses the format with ("/usr/bin/xz -T0"); empty when the format names
    // no compressor or that program is not there, so that tar uses its own single-core option.
    QString compressorCommand(ArchiveFormat format) const;
};

// One tool invocation as the builder would run it: it starts in the staging folder.
struct ToolInvocation {
    QString executable;
    QStringList arguments;
    std::optional<QByteArray> input;

    // The input may hold the password too.
    ~ToolInvocation() {
        // The values only: resetting the optionals here trips GCC 12's uninitialised-use warning at -O3.
        if (input)
            wipe(*input);
    }
};

// What createArchive made: the archive, and what was staged for it, to read it back against.
struct CreatedArchive {
    QUrl archive;
    StagedManifest manifest;
};

// Makes one archive from an ordered list of items: stages them in a private temporary folder,
// runs one tool over it and removes the folder again. Each call runs its tool on its own.
class ArchiveBuilder final {
public:
    explicit ArchiveBuilder(ArchiveTools tools = {});

    // Blocking; run it on a worker thread. Throws CompressionError (cancelled once `stop` is
    // requested: the copying and the tool end at once), or PlatformError. `progress`, when given,
    // follows the copying and then the tool. A destination or staging place without the room for
    // the bytes to write fails with "error.diskFull" before anything is written. When someone else
    // moved or replaced one of its folders meanwhile, the run ends with CompressionError::notOurs
    // naming it, and that folder is left as it is.
    CreatedArchive createArchive(const ArchiveRequest& request, std::stop_token stop,
                                 RunProgress* progress = nullptr) const;

    // The longest password, in UTF-8 bytes, that the tools take.
    static constexpr int longestPassword = 4096;

    // True when the password is one line that reaches the tools whole: no line feed (where they
    // stop reading), carriage return or NUL.
    static bool isOneLinePassword(const QString& password);

    // The "error.diskFull" failure for `folder`, which lacks room for `neededBytes`.
    static CompressionError diskFull(const QString& folder, qint64 neededBytes);

    // The base name (without extension) proposed for an archive of these items.
    static QString defaultArchiveName(const QList<QUrl>& items, ArchiveAction action,
                                      const QDateTime& now = QDateTime::currentDateTime());

private:
    // The tool, arguments and standard input for the request; the tool runs in the staging
    // folder, which it calls ".", and writes the output `setup` names. A tool that reads names is
    // given those at the top of `stagingFolder`; a failure to list them throws PlatformError.
    ToolInvocation invocation(const ArchiveRequest& request, const QString& stagingFolder,
                              ToolSetup setup) const;
    const QString& toolPath(ArchiveFormat format) const;
    void runArchiver(const ArchiveRequest& request, const StagingFolder& staging, PendingArchive& archive,
                     const std::stop_token& stop, RunProgress* progress) const;

    ArchiveTools m_tools;
};
