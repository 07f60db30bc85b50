#include "ArchiveVerifier.h"

#include "CompressionError.h"
#include "PlatformError.h"
#include "SecretWipe.h"
#include "ToolEnvironment.h"
#include "ToolRunner.h"

#include <QFile>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>

#include <cctype>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct ArchiveDeleter {
    void operator()(archive* reader) const { archive_read_free(reader); }
};
using Reader = std::unique_ptr<archive, ArchiveDeleter>;

ReadBack failed(const QString& reason) {
    return {ReadBack::Result::failed, reason};
}

QString readerError(archive* reader) {
    const char* text = archive_error_string(reader);
    return text ? QString::fromLocal8Bit(text) : QString();
}

// The password as one line on the tool's standard input, wiped when it goes.
struct PasswordLine {
    std::optional<QByteArray> bytes;
    explicit PasswordLine(const std::optional<QString>& password) {
        if (!password)
            return;
        QByteArray utf8 = password->toUtf8();
        bytes.emplace(utf8.size() + 1, '\n');
        std::memcpy(bytes->data(), utf8.constData(), size_t(utf8.size()));
        ::explicit_bzero(utf8.data(), size_t(utf8.size()));
    }
    ~PasswordLine() {
        if (bytes)
            ::explicit_bzero(bytes->data(), size_t(bytes->size()));
    }
    Q_DISABLE_COPY_MOVE(PasswordLine)
};

// One word of a command line as libarchive splits it: a backslash takes the next byte as it is.
QByteArray commandWord(const QByteArray& word) {
    QByteArray escaped;
    for (const char byte : word) {
        if (!std::isalnum(static_cast<unsigned char>(byte)) && !std::strchr("/._-=:", byte))
            escaped += '\\';
        escaped += byte;
    }
    return escaped;
}

// libarchive starts its decompressor with this process's environment; env hands it the tools' own.
// gzip reports quietly: Balewick writes nothing to the console.
QByteArray gzipCommand() {
    QByteArray command = "/usr/bin/env -i";
    for (const QByteArray& entry : toolEnvironment())
        command += ' ' + commandWord(entry);
    return command + " sh -c \"exec gzip -d 2>/dev/null\"";
}

// A reader of zip and tar archives with any compression.
Reader newReader(ArchiveFormat format, const std::optional<QString>& password) {
    Reader reader(archive_read_new());
    if (format == ArchiveFormat::gzip) {
        // libarchive's own gzip reader skips the trailer's checksum; gzip itself checks it.
        archive_read_support_filter_program(reader.get(), gzipCommand().constData());
    } else {
        archive_read_support_filter_all(reader.get());
    }
    archive_read_support_format_zip(reader.get());
    archive_read_support_format_tar(reader.get());
    if (password) {
        QByteArray passphrase = password->toUtf8(); // the reader keeps a copy of its own
        archive_read_add_passphrase(reader.get(), passphrase.constData());
        wipe(passphrase);
    }
    return reader;
}

// Reads every member's data; checks each against `missing` and takes it out. Why it failed, or
// none when all read well.
std::optional<QString> readMembers(archive* reader, QHash<QByteArray, qint64>& missing,
                                   const std::stop_token& stop, std::atomic<qint64>* bytesDone) {
    std::vector<char> buffer(1 << 16);
    for (;;) {
        archive_entry* entry = nullptr;
        const int header = archive_read_next_header(reader, &entry);
        if (header == ARCHIVE_EOF)
            return std::nullopt;
        if (header != ARCHIVE_OK && header != ARCHIVE_WARN)
            return readerError(reader);
        const char* rawName = archive_entry_pathname(entry);
        if (!rawName)
            rawName = archive_entry_pathname_utf8(entry);
        const QByteArray name = StagedManifest::normalisedName(rawName ? QByteArray(rawName) : QByteArray());
        qint64 dataSize = 0;
        for (;;) {
            if (stop.stop_requested())
                throw CompressionError::cancelled();
            const la_ssize_t count = archive_read_data(reader, buffer.data(), buffer.size());
            if (count < 0)
                return readerError(reader);
            if (count == 0)
                break;
            dataSize += count;
            if (bytesDone)
                bytesDone->store(archive_filter_bytes(reader, -1));
        }
        if (name.isEmpty())
            continue;
        const auto staged = missing.constFind(name);
        if (staged == missing.constEnd()) // not staged, or there twice
            return qtTrId("verify.unexpectedMember").arg(QString::fromLocal8Bit(name));
        // A second name for a file already stored (a hard link) carries no data of its own.
        if (*staged >= 0 && !archive_entry_hardlink(entry) && dataSize != *staged)
            return qtTrId("verify.incompleteMember").arg(QString::fromLocal8Bit(name));
        missing.erase(staged);
    }
}

} // namespace

ArchiveVerifier::DiskImageCheck ArchiveVerifier::diskImageTool(QString tool) {
    return [tool](const QString& image, const std::optional<QString>& password,
                  std::stop_token stop) -> ReadBack {
        QStringList arguments{QStringLiteral("verify")};
        if (password)
            arguments << QStringLiteral("-stdinpass");
        arguments << image;
        const PasswordLine input(password);
        try {
            ToolRunner().run(tool, arguments, std::nullopt, input.bytes, {stop, {}, nullptr});
        } catch (const CompressionError& error) {
            if (error.kind() == CompressionError::Kind::cancelled)
                throw;
            return failed(error.payload().trimmed());
        } catch (const PlatformError& error) {
            return failed(error.errorDescription());
        }
        if (stop.stop_requested())
            throw CompressionError::cancelled();
        return {};
    };
}

ArchiveVerifier::ArchiveVerifier(std::stop_token stop, std::atomic<qint64>* bytesDone,
                                 DiskImageCheck diskImageCheck)
    : m_stop(std::move(stop))
    , m_bytesDone(bytesDone)
    , m_diskImageCheck(std::move(diskImageCheck)) {}

ReadBack ArchiveVerifier::verify(const QString& archivePath, ArchiveFormat format,
                                 const StagedManifest& expected,
                                 const std::optional<QString>& password) const {
    if (format == ArchiveFormat::diskImage || format == ArchiveFormat::encryptedDiskImage)
        return verifyDiskImage(archivePath, password);
    const Reader reader = newReader(format, password);
    if (archive_read_open_filename(reader.get(), QFile::encodeName(archivePath).constData(), 1 << 16) !=
        ARCHIVE_OK)
        return failed(readerError(reader.get()));
    QHash<QByteArray, qint64> missing = expected.entries();
    if (const std::optional<QString> reason = readMembers(reader.get(), missing, m_stop, m_bytesDone))
        return failed(*reason);
    if (archive_read_close(reader.get()) != ARCHIVE_OK)
        return failed(readerError(reader.get()));
    if (m_bytesDone)
        m_bytesDone->store(QFileInfo(archivePath).size());
    if (!missing.isEmpty())
        return failed(qtTrId("verify.missingMember").arg(QString::fromLocal8Bit(missing.constBegin().key())));
    return {};
}

ReadBack ArchiveVerifier::verifyDiskImage(const QString& image,
                                          const std::optional<QString>& password) const {
    if (!m_diskImageCheck)
        return {ReadBack::Result::skipped, {}};
    const ReadBack result = m_diskImageCheck(image, password, m_stop);
    if (m_bytesDone && result.result == ReadBack::Result::passed)
        m_bytesDone->store(QFileInfo(image).size());
    return result;
}
