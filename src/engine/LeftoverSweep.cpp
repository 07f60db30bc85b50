#include "LeftoverSweep.h"

#include "FileDescriptor.h"
#include "PendingJournalEntry.h"
#include "StagingFolder.h"
#include "TemporaryDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Kind { folder, file };

// Ours: the name we give, owned by this user, a private folder or a regular file.
bool isOurs(const QByteArray& path, const QString& prefix, Kind kind) {
    if (!QFileInfo(QFile::decodeName(path)).fileName().startsWith(prefix))
        return false;
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || info.st_uid != ::getuid())
        return false;
    return kind == Kind::folder ? S_ISDIR(info.st_mode) && (info.st_mode & 0777) == 0700
                                : S_ISREG(info.st_mode);
}

void removeIfOurs(const QByteArray& path, const QString& prefix, Kind kind) {
    if (isOurs(path, prefix, kind))
        StagingFolder::removeTree(std::filesystem::path(path.toStdString()));
}

} // namespace

void LeftoverSweep::run() {
    run(PendingJournalEntry::journalFolder(), temporaryDirectory());
}

void LeftoverSweep::run(const QString& journalFolder, const QString& temporaryFolder) {
    QSet<QByteArray> inUse;
    const QDir journal(journalFolder);
    const QStringList names = journalFolder.isEmpty() ? QStringList() : journal.entryList(QDir::Files);
    for (const QString& name : names) {
        const QByteArray entryPath = QFile::encodeName(journal.filePath(name));
        FileDescriptor entry(::open(entryPath.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        if (!entry.isValid())
            continue;
        const QByteArrayList paths = PendingJournalEntry::readPaths(entry.get());
        if (::flock(entry.get(), LOCK_EX | LOCK_NB) != 0) {
            // Its owner still runs and still needs all of it.
            for (const QByteArray& path : paths)
                inUse.insert(path);
            continue;
        }
        if (paths.size() == 3) {
            removeIfOurs(paths[0], QStringLiteral(".balewick-"), Kind::folder);
            // Staged in the temporary folder, or hidden beside the items.
            const bool hidden = QFileInfo(QFile::decodeName(paths[1])).fileName().startsWith(u'.');
            removeIfOurs(paths[1], hidden ? QStringLiteral(".Balewick-") : QStringLiteral("Balewick-"),
                         Kind::folder);
            removeIfOurs(paths[2], QStringLiteral("bw-err-"), Kind::file);
        }
        ::unlink(entryPath.constData());
    }

    const QDir temporary(temporaryFolder);
    const QStringList leftovers =
        temporary.entryList({QStringLiteral("Balewick-*"), QStringLiteral("bw-err-*")},
                            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : leftovers) {
        const QByteArray path = QFile::encodeName(temporary.filePath(name));
        if (inUse.contains(path))
            continue;
        if (name.startsWith(QLatin1String("Balewick-")))
            removeIfOurs(path, QStringLiteral("Balewick-"), Kind::folder);
        else
            removeIfOurs(path, QStringLiteral("bw-err-"), Kind::file);
    }
}
