#include "ArchiveBuilder.h"

#include "CompressionError.h"
#include "ItemCopier.h"
#include "JobCancelledError.h"
#include "PasswordTerminal.h"
#include "PendingArchive.h"
#include "PendingJournalEntry.h"
#include "StagedManifest.h"
#include "StagingFolder.h"
#include "SystemError.h"
#include "ToolRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {

QString lastPathComponent(const QUrl& item) {
    const QString path = QDir::cleanPath(item.toLocalFile());
    if (path == QLatin1String("/"))
        return path;
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? item.fileName() : name;
}

// The name without its last extension; a leading dot starts a name, not an extension.
QString withoutLastExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

} // namespace

QString bundledDiskImageTool() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(BALEWICK_DISK_IMAGE_TOOL_FROM_BIN));
}

ArchiveBuilder::ArchiveBuilder(ArchiveTools tools, ToolRunner* runner)
    : m_tools(std::move(tools))
    , m_runner(runner ? runner : &ToolRunner::shared()) {}

void ArchiveBuilder::createArchive(const QList<QUrl>& items, bool omitFinderFiles, ArchiveFormat format,
                                   const QUrl& output, const QString& volumeName,
                                   const std::optional<QString>& password, bool omitMacMetadata,
                                   const CancellationToken& cancellation, StagedManifest* manifest) const {
    if (cancellation.isCancelled())
        throw JobCancelledError();
    if (isEncrypted(format) && (!password || password->isEmpty()))
        throw CompressionError::toolFailed(QString());
    // zip reads at most this much from its terminal, and a line feed would end the answer early.
    if (format == ArchiveFormat::encryptedZip &&
        (password->toUtf8().size() > PasswordTerminal::longestPassword || password->contains(u'\n')))
        throw CompressionError::toolFailed(
            qtTrId("error.zipPasswordTooLong").arg(PasswordTerminal::longestPassword));

    const QString outputPath = output.isLocalFile() ? output.toLocalFile() : QString();
    if (!QFileInfo(outputPath).isAbsolute())
        throw systemError(EINVAL, qtTrId("error.saveArchive"), output.toDisplayString());

    // Every place this archive occupies is on record before it exists, and goes away on every
    // path out of here, a failed copy included.
    const PendingJournalEntry pending(QFileInfo(outputPath).path());
    const StagingFolder staging(pending.stagingFolderPath());
    staging.stageItems(items, omitFinderFiles,
                       ItemCopier(m_hardLinksAllowed ? ItemCopier::Method::linkWhenPossible
                                                     : ItemCopier::Method::copyContents,
                                  cancellation));
    if (cancellation.isCancelled())
        throw JobCancelledError();
    if (manifest)
        *manifest = StagedManifest::ofFolder(staging.path(), format, omitFinderFiles, omitMacMetadata);

    PendingArchive archive(outputPath, pending.hiddenFolderPath());
    runArchiver(format, staging.pathString(), archive, volumeName, password, omitFinderFiles, omitMacMetadata,
                {cancellation, pending.errorFilePath()});
}

void ArchiveBuilder::runArchiver(ArchiveFormat format, const QString& stagingFolder, PendingArchive& archive,
                                 const QString& volumeName, const std::optional<QString>& password,
                                 bool omitFinderFiles, bool omitMacMetadata,
                                 const ToolRunner::Context& context) const {
    const ToolInvocation call = invocation(format, stagingFolder, archive.temporaryPath(), volumeName,
                                           password, omitFinderFiles, omitMacMetadata);
    std::optional<PasswordTerminal> terminal;
    if (call.terminalPassword)
        terminal.emplace(*call.terminalPassword);
    try {
        m_runner->run(call.executable, call.arguments, call.currentDirectory, call.input, context,
                      terminal ? &*terminal : nullptr);
    } catch (const CompressionError& error) {
        if (error.kind() != CompressionError::Kind::toolFailed)
            throw;
        throw CompressionError::toolFailed(archive.withFinalNames(error.payload()));
    }
    archive.publish();
}

QString ArchiveBuilder::defaultArchiveName(const QList<QUrl>& items, ArchiveAction action,
                                           const QDateTime& now) {
    if (items.size() == 1)
        return withoutLastExtension(lastPathComponent(items.first()));
    if (action != ArchiveAction::archive)
        return QStringLiteral("Compressed Archive");
    return QStringLiteral("Archive ") + now.toString(QStringLiteral("yyyy-MM-dd HH.mm"));
}

ToolInvocation ArchiveBuilder::invocation(ArchiveFormat format, const QString& stagingFolder,
                                          const QString& output, const QString& volumeName,
                                          const std::optional<QString>& password, bool omitFinderFiles,
                                          bool omitMacMetadata) const {
    const QString passwordText = password.value_or(QString());
    switch (format) {
    case ArchiveFormat::zip:
        return {m_tools.zip, zipArguments(output, omitMacMetadata, omitFinderFiles), stagingFolder,
                std::nullopt, std::nullopt};
    case ArchiveFormat::encryptedZip:
        // The password is typed at zip's prompts: on the command line every program could read it.
        return {m_tools.zip,
                QStringList{QStringLiteral("-e")} + zipArguments(output, omitMacMetadata, omitFinderFiles),
                stagingFolder, std::nullopt, passwordText.toUtf8()};
    case ArchiveFormat::tar:
    case ArchiveFormat::gzip:
    case ArchiveFormat::bzip2: {
        const QString mode = format == ArchiveFormat::tar    ? QStringLiteral("-cf")
                             : format == ArchiveFormat::gzip ? QStringLiteral("-czf")
                                                             : QStringLiteral("-cjf");
        return {m_tools.tar,
                {mode, output, QStringLiteral("-C"), stagingFolder, QStringLiteral(".")},
                std::nullopt,
                std::nullopt,
                std::nullopt};
    }
    case ArchiveFormat::diskImage:
        return {m_tools.diskImage,
                {QStringLiteral("create"), QStringLiteral("-srcfolder"), stagingFolder,
                 QStringLiteral("-volname"), volumeName, QStringLiteral("-format"), QStringLiteral("UDZO"),
                 output},
                std::nullopt,
                std::nullopt,
                std::nullopt};
    case ArchiveFormat::encryptedDiskImage:
        // The password travels on standard input so that it never shows in the process list.
        return {m_tools.diskImage,
                {QStringLiteral("create"), QStringLiteral("-srcfolder"), stagingFolder,
                 QStringLiteral("-volname"), volumeName, QStringLiteral("-format"), QStringLiteral("UDZO"),
                 QStringLiteral("-encryption"), QStringLiteral("AES-256"), QStringLiteral("-stdinpass"),
                 output},
                std::nullopt,
                passwordText.toUtf8() + '\n',
                std::nullopt};
    }
    return {};
}

QStringList ArchiveBuilder::zipArguments(const QString& output, bool omitMacMetadata, bool omitFinderFiles) {
    QStringList arguments{QStringLiteral("-r"), omitMacMetadata ? QStringLiteral("-X") : QStringLiteral("-y"),
                          output, QStringLiteral(".")};
    if (omitFinderFiles)
        arguments << QStringLiteral("-x") << QStringLiteral("*.DS_Store") << QStringLiteral("*/.DS_Store")
                  << QStringLiteral(".DS_Store") << QStringLiteral("*/._*") << QStringLiteral("._*");
    return arguments;
}
