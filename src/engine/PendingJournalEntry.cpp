#include "PendingJournalEntry.h"

#include "TemporaryDirectory.h"

#include <QDir>
#include <QFile>
#include <QUuid>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray entryMagic = QByteArrayLiteral("balewick-pending 1");

bool writeAll(int descriptor, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t result =
            ::write(descriptor, bytes.constData() + written, size_t(bytes.size() - written));
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0)
            return false;
        written += result;
    }
    return true;
}

// An unnamed, locked file that gets its name only once it is complete, so nobody ever reads a
// half-written entry or finds one unlocked while its owner lives. -1 when that is not possible.
int openLockedEntry(const QByteArray& folder, const QByteArray& path, const QByteArray& contents) {
    int descriptor = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    const bool unnamed = descriptor >= 0;
    if (!unnamed)
        descriptor = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return -1;
    const auto fail = [&] {
        if (!unnamed)
            ::unlink(path.constData());
        ::close(descriptor);
        return -1;
    };
    if (::flock(descriptor, LOCK_EX) != 0 || !writeAll(descriptor, contents))
        return fail();
    if (unnamed) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(descriptor);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) != 0)
            return fail();
    }
    return descriptor;
}

} // namespace

PendingJournalEntry::PendingJournalEntry(const QString& destinationFolder, const QString& stagingBeside) {
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    const QDir temporary(temporaryDirectory());
    m_hiddenFolderPath = QDir(destinationFolder).filePath(QStringLiteral(".balewick-") + id);
    m_stagingFolderPath = stagingBeside.isEmpty()
                              ? temporary.filePath(QStringLiteral("Balewick-") + id)
                              : QDir(stagingBeside).filePath(QStringLiteral(".Balewick-") + id);
    m_errorFilePath = temporary.filePath(QStringLiteral("bw-err-") + id);

    const QString folder = journalFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return;
    QByteArray contents = entryMagic + '\n';
    for (const QString& path : {m_hiddenFolderPath, m_stagingFolderPath, m_errorFilePath})
        contents += QFile::encodeName(path).toPercentEncoding() + '\n';
    const QString entryPath = QDir(folder).filePath(id);
    m_descriptor = openLockedEntry(QFile::encodeName(folder), QFile::encodeName(entryPath), contents);
    if (m_descriptor >= 0)
        m_entryPath = entryPath;
}

PendingJournalEntry::~PendingJournalEntry() {
    if (m_descriptor < 0)
        return;
    ::unlink(QFile::encodeName(m_entryPath).constData());
    ::close(m_descriptor);
}

QString PendingJournalEntry::journalFolder() {
    QString state = QFile::decodeName(qgetenv("XDG_STATE_HOME"));
    if (!QDir::isAbsolutePath(state)) {
        const QString home = QDir::homePath();
        if (home.isEmpty() || home == QLatin1String("/"))
            return {};
        state = home + QStringLiteral("/.local/state");
    }
    return state + QStringLiteral("/balewick/pending");
}

QByteArrayList PendingJournalEntry::readPaths(int descriptor) {
    QByteArray contents;
    char buffer[4096];
    for (ssize_t count; (count = ::pread(descriptor, buffer, sizeof buffer, contents.size())) != 0;) {
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 || contents.size() > 64 * 1024)
            return {};
        contents.append(buffer, count);
    }
    QByteArrayList lines = contents.split('\n');
    if (lines.size() != 5 || lines.takeFirst() != entryMagic || !lines.takeLast().isEmpty())
        return {};
    for (QByteArray& line : lines)
        line = QByteArray::fromPercentEncoding(line);
    return lines;
}
