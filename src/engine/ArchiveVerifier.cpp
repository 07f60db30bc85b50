#include "ArchiveVerifier.h"

#include "CompressionError.h"
#include "JobCancelledError.h"
#include "PlatformError.h"
#include "SecretWipe.h"
#include "ToolEnvironment.h"
#include "ToolRunner.h"

#include <QFile>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>

#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>
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

// The tool's standard input, wiped when it goes.
struct PasswordInput {
    std::optional<QByteArray> bytes;
    explicit PasswordInput(const std::optional<QString>& password) {
        if (!password)
            return;
        QByteArray utf8 = password->toUtf8();
        bytes.emplace(utf8.size() + 1, '\n');
        std::memcpy(bytes->data(), utf8.constData(), size_t(utf8.size()));
        ::explicit_bzero(utf8.data(), size_t(utf8.size()));
    }
    ~PasswordInput() {
        if (bytes)
            ::explicit_bzero(bytes->data(), size_t(bytes->size()));
    }
    Q_DISABLE_COPY_MOVE(PasswordInput)
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

} // namespace

ArchiveVerifier::DiskImageCheck ArchiveVerifier::diskImageTool(QString tool) {
    return [tool](const QString& image, const std::optional<QString>& password,
                  const CancellationToken& cancellation) -> ReadBack {
        QStringList arguments{QStringLiteral("verify")};
        if (password)
            arguments << QStringLiteral("-stdinpass");
        arguments << image;
        const PasswordInput input(password);
        ToolRunner runner;
        // The runner stops a tool only when asked; this asks as soon as the token is cancelled.
        std::mutex lock;
        std::condition_variable_any wake;
        const std::jthread watcher([&](std::stop_token stop) {
            std::unique_lock guard(lock);
            while (!stop.stop_requested() && !cancellation.isCancelled())
                wake.wait_for(guard, stop, std::chrono::milliseconds(50), [] { return false; });
            if (cancellation.isCancelled())
                runner.terminateCurrent();
        });
        try {
            runner.run(tool, arguments, std::nullopt, input.bytes, {cancellation, {}});
        } catch (const CompressionError& error) {
            if (error.kind() == CompressionError::Kind::cancelled)
                throw JobCancelledError();
            return failed(error.payload().trimmed());
        } catch (const PlatformError& error) {
            return failed(error.errorDescription());
        }
        if (cancellation.isCancelled())
            throw JobCancelledError();
        return {};
    };
}

ArchiveVerifier::ArchiveVerifier(CancellationToken cancellation, std::atomic<qint64>* bytesDone,
                                 DiskImageCheck diskImageCheck)
    : m_cancellation(std::move(cancellation))
    , m_bytesDone(bytesDone)
    , m_diskImageCheck(std::move(diskImageCheck)) {}

ReadBack ArchiveVerifier::verify(const QString& archivePath, ArchiveFormat format,
                                 const StagedManifest& expected,
                                 const std::optional<QString>& password) const {
    if (format == ArchiveFormat::diskImage || format == ArchiveFormat::encryptedDiskImage) {
        if (!m_diskImageCheck)
            return {ReadBack::Result::skipped, {}};
        const ReadBack result = m_diskImageCheck(archivePath, password, m_cancellation);
        if (m_bytesDone && result.result == ReadBack::Result::passed)
            m_bytesDone->store(QFileInfo(archivePath).size());
        return result;
    }

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
    if (archive_read_open_filename(reader.get(), QFile::encodeName(archivePath).constData(), 1 << 16) !=
        ARCHIVE_OK)
        return failed(readerError(reader.get()));

    QHash<QByteArray, qint64> missing = expected.entries();
    std::vector<char> buffer(1 << 16);
    for (;;) {
        archive_entry* entry = nullptr;
        const int header = archive_read_next_header(reader.get(), &entry);
        if (header == ARCHIVE_EOF)
            break;
        if (header != ARCHIVE_OK && header != ARCHIVE_WARN)
            return failed(readerError(reader.get()));
        const char* rawName = archive_entry_pathname(entry);
        if (!rawName)
            rawName = archive_entry_pathname_utf8(entry);
        const QByteArray name = StagedManifest::normalisedName(rawName ? QByteArray(rawName) : QByteArray());
        qint64 dataSize = 0;
        for (;;) {
            if (m_cancellation.isCancelled())
                throw JobCancelledError();
            const la_ssize_t count = archive_read_data(reader.get(), buffer.data(), buffer.size());
            if (count < 0)
                return failed(readerError(reader.get()));
            if (count == 0)
                break;
            dataSize += count;
            if (m_bytesDone)
                m_bytesDone->store(archive_filter_bytes(reader.get(), -1));
        }
        if (name.isEmpty())
            continue;
        const auto staged = missing.constFind(name);
        if (staged == missing.constEnd()) // not staged, or there twice
            return failed(qtTrId("verify.unexpectedMember").arg(QString::fromLocal8Bit(name)));
        // A second name for a file already stored (a hard link) carries no data of its own.
        if (*staged >= 0 && !archive_entry_hardlink(entry) && dataSize != *staged)
            return failed(qtTrId("verify.incompleteMember").arg(QString::fromLocal8Bit(name)));
        missing.erase(staged);
    }
    if (archive_read_close(reader.get()) != ARCHIVE_OK)
        return failed(readerError(reader.get()));
    if (m_bytesDone)
        m_bytesDone->store(QFileInfo(archivePath).size());
    if (!missing.isEmpty())
        return failed(qtTrId("verify.missingMember").arg(QString::fromLocal8Bit(missing.constBegin().key())));
    return {};
}
