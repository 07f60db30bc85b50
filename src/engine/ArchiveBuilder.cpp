#include "ArchiveBuilder.h"

#include "CompressionError.h"
#include "FormatDescription.h"
#include "ItemCopier.h"
#include "LocalPath.h"
#include "PendingArchive.h"
#include "PendingJournalEntry.h"
#include "PlatformError.h"
#include "ProgressPipe.h"
#include "RunProgress.h"
#include "StagedManifest.h"
#include "StagingFolder.h"
#include "StagingPlan.h"
#include "SystemError.h"
#include "TemporaryDirectory.h"
#include "ToolRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QString lastPathComponent(const QUrl& item) {
    const QString name = LocalPath::display(LocalPath::fileName(LocalPath::fromUrl(item)));
    return name.isEmpty() ? item.fileName() : name;
}

// The name without its last extension; a leading dot starts a name, not an extension.
QString withoutLastExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

// Fails before anything is written when `folder` plainly lacks the room.
void requireSpace(const QString& folder, qint64 neededBytes) {
    const qint64 free = StagingPlan::freeSpace(folder);
    if (neededBytes > 0 && free >= 0 && free < neededBytes)
        throw ArchiveBuilder::diskFull(folder, neededBytes);
}

// A tool that failed on a full disk says so in its own words and language; the free space says
// it in any language.
bool ranOutOfSpace(const QString& folder, const QString& toolText) {
    const qint64 free = StagingPlan::freeSpace(folder);
    return (free >= 0 && free < (qint64(1) << 20)) ||
           toolText.contains(QLatin1String("No space left on device")) ||
           toolText.contains(QString::fromLocal8Bit(std::strerror(ENOSPC)));
}

// The names at the top of the staging folder as bytes, each ended by a NUL, in byte order.
QByteArray stagedNames(const QString& stagingFolder) {
    const fs::path folder = QFile::encodeName(stagingFolder).toStdString();
    QByteArrayList names;
    std::error_code error;
    for (fs::directory_iterator entries(folder, error), end; !error && entries != end;
         entries.increment(error))
        names.append(QByteArray::fromStdString(entries->path().filename().native()));
    if (error)
        throw systemError(error.value(), qtTrId("error.list"), QFileInfo(stagingFolder).fileName());
    std::sort(names.begin(), names.end());
    QByteArray list;
    for (const QByteArray& name : names)
        list += name + '\0';
    return list;
}

// Both encrypted formats need a password that reaches their tool whole.
void requireUsablePassword(const ArchiveRequest& request) {
    if (!isEncrypted(request.format))
        return;
    const std::optional<QString>& password = request.password;
    if (!password || password->isEmpty())
        throw CompressionError::toolFailed(QString());
    // Both tools take the password up to the first line feed: the rest would be dropped silently.
    if (!ArchiveBuilder::isOneLinePassword(*password))
        throw CompressionError::toolFailed(qtTrId("password.invalidCharacter"));
    // The zip writer reads at most this much of the line (the disk-image tool says so itself).
    if (request.format != ArchiveFormat::encryptedZip)
        return;
    QByteArray bytes = password->toUtf8();
    const bool tooLong = bytes.size() > ArchiveBuilder::longestPassword;
    wipe(bytes);
    if (tooLong)
        throw CompressionError::toolFailed(
            qtTrId("error.zipPasswordTooLong").arg(ArchiveBuilder::longestPassword));
}

// The output's path as text, refused when the text would name another place than the bytes.
QString writableOutputPath(const QUrl& output) {
    const QByteArray outputBytes = LocalPath::fromUrl(output);
    const QString outputPath = LocalPath::display(outputBytes);
    if (!outputBytes.startsWith('/'))
        throw systemError(EINVAL, qtTrId("error.saveArchive"), output.toDisplayString());
    // Written by its text from here on: a folder whose name is not UTF-8 would become another one.
    if (QFile::encodeName(outputPath) != outputBytes)
        throw systemError(EILSEQ, qtTrId("error.saveArchive"), outputPath);
    return outputPath;
}

// Rethrows the failure in flight; one for want of room at `folder` as "error.diskFull".
[[noreturn]] void rethrowNamingAFullDisk(const QString& folder, qint64 neededBytes) {
    try {
        throw;
    } catch (const CompressionError& error) {
        if (error.kind() == CompressionError::Kind::toolFailed && ranOutOfSpace(folder, error.payload()))
            throw ArchiveBuilder::diskFull(folder, neededBytes);
        throw;
    } catch (const PlatformError& error) {
        if (error.errorNumber() == ENOSPC || error.errorNumber() == EDQUOT)
            throw ArchiveBuilder::diskFull(folder, neededBytes);
        throw;
    }
}

// Copies the items into the staging folder and lists what the tool will find there.
StagedManifest stageItems(const ArchiveRequest& request, const StagingFolder& staging,
                          const std::stop_token& stop, RunProgress* progress, qint64 bytesToCopy) {
    ItemCopier copier(ItemCopier::Method::linkWhenPossible, stop);
    // A zip holds no pipes; left out here, the manifest lists only what the archive holds.
    copier.leaveOutPipes(formatDescription(request.format).tool == FormatTool::zipWriter);
    if (progress) {
        progress->begin(bytesToCopy, 0);
        copier.countCopiedBytes(&progress->done);
    }
    QList<StagedItem> staged = staging.stageItems(request.items, request.omitFinderFiles, copier);
    StagedManifest manifest =
        StagedManifest::ofFolder(staging.path(), request.format, request.omitFinderFiles);
    // zip's exclusion list also drops a chosen folder of a Finder name, with all it holds.
    for (qsizetype index = 0; index < request.items.size(); ++index) {
        const QByteArray name = LocalPath::fileName(LocalPath::fromUrl(request.items[index]));
        struct stat info {};
        if (!manifest.entries().contains(name) &&
            ::lstat((staging.path() / name.toStdString()).c_str(), &info) == 0)
            staged[index].complete = false;
    }
    manifest.setItems(std::move(staged));
    return manifest;
}

// "-progressfd", "5" as two words; an option that ends in "=" takes the number in the same word.
QStringList progressArguments(const char* option, int descriptor) {
    const QString text = QString::fromLatin1(option);
    if (text.endsWith(QLatin1Char('=')))
        return {text + QString::number(descriptor)};
    return {text, QString::number(descriptor)};
}

bool isExecutableFile(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    struct stat info {};
    return ::stat(bytes.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(bytes.constData(), X_OK) == 0;
}

QString besideExecutable(const char* relativePath) {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QString::fromUtf8(relativePath));
}

} // namespace

QString ArchiveTools::compressorCommand(ArchiveFormat format) const {
    const FormatDescription& description = formatDescription(format);
    const QString* program = nullptr;
    switch (description.compressor) {
    case Compressor::none:
        return {};
    case Compressor::pigz:
        program = &pigz;
        break;
    case Compressor::lbzip2:
        program = &lbzip2;
        break;
    case Compressor::xz:
        program = &xz;
        break;
    case Compressor::zstd:
        program = &zstd;
        break;
    }
    if (!program || !isExecutableFile(*program))
        return {};
    const QString options = QString::fromLatin1(description.compressorOptions);
    return options.isEmpty() ? *program : *program + QLatin1Char(' ') + options;
}

QString bundledDiskImageTool() {
    return besideExecutable(BALEWICK_DISK_IMAGE_TOOL_FROM_BIN);
}

QString bundledZipTool() {
    return besideExecutable(BALEWICK_ZIP_TOOL_FROM_BIN);
}

ArchiveBuilder::ArchiveBuilder(ArchiveTools tools)
    : m_tools(std::move(tools)) {}

CreatedArchive ArchiveBuilder::createArchive(const ArchiveRequest& request, std::stop_token stop,
                                             RunProgress* progress) const {
    if (stop.stop_requested())
        throw CompressionError::cancelled();
    requireUsablePassword(request);
    const QString outputPath = writableOutputPath(request.output);
    const QString destinationFolder = QFileInfo(outputPath).path();
    const StagingPlan plan = StagingPlan::choose(request.items, temporaryDirectory());
    requireSpace(plan.parentFolder, plan.bytesToCopy);
    // Uncompressed, the archive is at least as large as what it holds.
    if (!formatDescription(request.format).compressed)
        requireSpace(destinationFolder, plan.totalBytes);

    // Every place this archive occupies is on record, as it was made, as soon as it exists, and
    // goes away on every path out of here, a failed copy included.
    const PendingJournalEntry pending(destinationFolder, plan.besideItems ? plan.parentFolder : QString());
    StagingFolder staging(pending.stagingFolderPath());
    pending.record(staging.folder().path(), staging.folder().identity());
    CreatedArchive created;
    created.archive = request.output;
    try {
        created.manifest = stageItems(request, staging, stop, progress, plan.bytesToCopy);
    } catch (...) {
        rethrowNamingAFullDisk(plan.parentFolder, plan.bytesToCopy);
    }
    if (stop.stop_requested())
        throw CompressionError::cancelled();

    // A tool that reports its own progress counts from nothing; for any other, its reads tell.
    const bool reportsProgress = formatDescription(request.format).progressOption != nullptr;
    if (progress)
        progress->begin(plan.totalBytes, reportsProgress ? 0 : -1);
    PendingArchive archive(outputPath, pending.hiddenFolderPath());
    pending.record(archive.folder().path(), archive.folder().identity());
    try {
        runArchiver(request, staging, archive, stop, progress);
    } catch (...) {
        rethrowNamingAFullDisk(destinationFolder, plan.totalBytes);
    }
    // Someone else who may write there moved or replaced a folder of ours: it stays, and the run
    // says so rather than ending as if all were well.
    for (PrivateFolder* folder : {&staging.folder(), &archive.folder()})
        if (!folder->remove())
            throw CompressionError::notOurs(folder->path());
    return created;
}

bool ArchiveBuilder::isOneLinePassword(const QString& password) {
    return !password.contains(u'\n') && !password.contains(u'\r') && !password.contains(QChar::Null);
}

CompressionError ArchiveBuilder::diskFull(const QString& folder, qint64 neededBytes) {
    const QLocale locale;
    const qint64 free = std::max<qint64>(StagingPlan::freeSpace(folder), 0);
    return CompressionError::toolFailed(
        qtTrId("error.diskFull")
            .arg(QDir::toNativeSeparators(folder),
                 locale.formattedDataSize(neededBytes, 1, QLocale::DataSizeSIFormat),
                 locale.formattedDataSize(free, 1, QLocale::DataSizeSIFormat)));
}

void ArchiveBuilder::runArchiver(const ArchiveRequest& request, const StagingFolder& staging,
                                 PendingArchive& archive, const std::stop_token& stop,
                                 RunProgress* progress) const {
    const char* progressOption = formatDescription(request.format).progressOption;
    std::optional<ProgressPipe> reports;
    if (progress && progressOption)
        reports.emplace(QFileInfo(toolPath(request.format)).fileName());
    ToolSetup setup{.stagingFolder = QStringLiteral("."),
                    .output = archive.temporaryPath(),
                    .outputFolder = archive.folder().descriptor(),
                    .outputName = QFileInfo(archive.temporaryPath()).fileName()};
    if (reports)
        setup.progressArguments = progressArguments(progressOption, reports->toolDescriptor());
    const ToolInvocation call = invocation(request, staging.pathString(), std::move(setup));
    // The tool reads the staging folder and writes into the hidden one through their descriptors,
    // so that neither can be swapped for another user's folder under it.
    const ToolRunner::Context context{stop,
                                      {staging.folder().descriptor(), archive.folder().descriptor()},
                                      progress,
                                      reports ? &*reports : nullptr};
    try {
        ToolRunner().run(call.executable, call.arguments, std::nullopt, call.input, context);
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

const QString& ArchiveBuilder::toolPath(ArchiveFormat format) const {
    switch (formatDescription(format).tool) {
    case FormatTool::zipWriter:
        return m_tools.zipWriter;
    case FormatTool::tar:
        return m_tools.tar;
    case FormatTool::diskImage:
        break;
    }
    return m_tools.diskImage;
}

ToolInvocation ArchiveBuilder::invocation(const ArchiveRequest& request, const QString& stagingFolder,
                                          ToolSetup setup) const {
    const FormatDescription& description = formatDescription(request.format);
    ToolInvocation call;
    call.executable = toolPath(request.format);
    setup.compressor = m_tools.compressorCommand(request.format);
    call.arguments = description.arguments(request, setup);
    if (description.namesOnStandardInput)
        call.input = stagedNames(stagingFolder);
    // Never on the command line, where every program could read it.
    QByteArray passwordBytes = request.password.value_or(QString()).toUtf8();
    if (description.encrypted)
        call.input = passwordBytes + '\n';
    wipe(passwordBytes);
    return call;
}
