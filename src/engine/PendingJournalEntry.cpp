#include "PendingJournalEntry.h"

#include "TemporaryDirectory.h"
#include "WriteAll.h"

#include <QDir>
#include <QFile>
#include <QUuid>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QByteArray entryMagic = QByteArrayLiteral("balewick-pending 2");

// An unnamed, locked file that gets its name only once it holds its first line, so nobody ever
// reads a half-written entry or finds one unlocked while its owner lives.
FileDescriptor openLockedEntry(int folder, const QByteArray& name, const QByteArray& contents) {
    FileDescriptor entry(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    const bool unnamed = entry.isValid();
    if (!unnamed)
        entry = FileDescriptor(
            ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!entry.isValid())
        return {};
    bool written = ::flock(entry.get(), LOCK_EX) == 0 && writeAll(entry.get(), contents);
    if (written && unnamed) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(entry.get());
        written = ::linkat(AT_FDCWD, self.constData(), folder, name.constData(), AT_SYMLINK_FOLLOW) == 0;
    }
    if (!written) {
        if (!unnamed)
            ::unlinkat(folder, name.constData(), 0);
        return {};
    }
    return entry;
}

} // namespace

PendingJournalEntry::PendingJournalEntry(const QString& destinationFolder, const QString& stagingBeside) {
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    m_hiddenFolderPath = QDir(destinationFolder).filePath(QStringLiteral(".balewick-") + id);
    m_stagingFolderPath = stagingBeside.isEmpty()
                              ? QDir(temporaryDirectory()).filePath(QStringLiteral("Balewick-") + id)
                              : QDir(stagingBeside).filePath(QStringLiteral(".Balewick-") + id);

    const QString folder = journalFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return;
    m_journal =
        FileDescriptor(::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!m_journal.isValid())
        return;
    m_entryName = id.toLatin1();
    m_entry = openLockedEntry(m_journal.get(), m_entryName, entryMagic + '\n');
}

PendingJournalEntry::~PendingJournalEntry() {
    if (!m_entry.isValid())
        return;
    // Only the name that still leads to this entry goes.
    struct stat entry {};
    struct stat named {};
    if (::fstat(m_entry.get(), &entry) == 0 &&
        ::fstatat(m_journal.get(), m_entryName.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        entry.st_dev == named.st_dev && entry.st_ino == named.st_ino)
        ::unlinkat(m_journal.get(), m_entryName.constData(), 0);
}

void PendingJournalEntry::record(const QString& path, const struct stat& identity) const {
    if (!m_entry.isValid())
        return;
    // One line in one write: a crash leaves the line whole or absent.
    writeAll(m_entry.get(), QFile::encodeName(path).toPercentEncoding() + ' ' +
                                QByteArray::number(quint64(identity.st_dev)) + ' ' +
                                QByteArray::number(quint64(identity.st_ino)) + '\n');
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

QList<PendingJournalEntry::Place> PendingJournalEntry::readPlaces(int descriptor) {
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
    if (lines.size() < 2 || lines.takeFirst() != entryMagic || !lines.takeLast().isEmpty())
        return {};
    QList<Place> places;
    for (const QByteArray& line : lines) {
        const QByteArrayList fields = line.split(' ');
        bool deviceRead = false;
        bool inodeRead = false;
        const Place place{QByteArray::fromPercentEncoding(fields.value(0)),
                          dev_t(fields.value(1).toULongLong(&deviceRead)),
                          ino_t(fields.value(2).toULongLong(&inodeRead))};
        if (fields.size() != 3 || !deviceRead || !inodeRead || !place.path.startsWith('/'))
            return {};
        places.append(place);
    }
    return places;
}
