#include "LeftoverSweep.h"

#include "FileDescriptor.h"
#include "PendingJournalEntry.h"
#include "TreeRemoval.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void removePlace(const PendingJournalEntry::Place& place) {
    const qsizetype slash = place.path.lastIndexOf('/');
    const QByteArray parentPath = slash > 0 ? place.path.left(slash) : QByteArray("/");
    const FileDescriptor parent(::open(parentPath.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (parent.isValid())
        TreeRemoval::removeFolderIfSame(parent.get(), place.path.mid(slash + 1), place.device, place.inode);
}

} // namespace

void LeftoverSweep::run() {
    run(PendingJournalEntry::journalFolder());
}

void LeftoverSweep::run(const QString& journalFolder) {
    if (journalFolder.isEmpty())
        return;
    const FileDescriptor journal(
        ::open(QFile::encodeName(journalFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!journal.isValid())
        return;
    for (const QByteArray& name : TreeRemoval::namesIn(journal.get())) {
        const FileDescriptor entry(
            ::openat(journal.get(), name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info {};
        if (!entry.isValid() || ::fstat(entry.get(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        // Locked: its owner still runs and still needs all of it.
        if (::flock(entry.get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        for (const PendingJournalEntry::Place& place : PendingJournalEntry::readPlaces(entry.get()))
            removePlace(place);
        ::unlinkat(journal.get(), name.constData(), 0);
    }
}
