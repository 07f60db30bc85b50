#pragma once

#include "FileDescriptor.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <sys/stat.h>

// The places one archive occupies while it is made (its hidden folder beside the archive and its
// staging folder), written down in the user's state folder as each is made, with the device and
// inode it was made with, and forgotten once they are gone. The entry stays locked while its
// process lives, so a later start can tell the leftovers of a crash from the work of a running
// instance, and can tell the folder it made from anything that took its name since.
class PendingJournalEntry final {
public:
    // One place as made.
    struct Place {
        QByteArray path;
        dev_t device = 0;
        ino_t inode = 0;
    };

    // Picks the names for an archive made in `destinationFolder`, staged in the temporary folder
    // or, given `stagingBeside`, in a hidden ".Balewick-<UUID>" folder there. A journal that cannot
    // be written is no reason to refuse the archive: the entry is then simply not recorded.
    explicit PendingJournalEntry(const QString& destinationFolder, const QString& stagingBeside = {});
    ~PendingJournalEntry();
    Q_DISABLE_COPY_MOVE(PendingJournalEntry)

    const QString& hiddenFolderPath() const { return m_hiddenFolderPath; }
    const QString& stagingFolderPath() const { return m_stagingFolderPath; }

    // Writes down the folder just made at `path`, as `identity` (its fstat) describes it.
    void record(const QString& path, const struct stat& identity) const;

    // "$XDG_STATE_HOME/balewick/pending" (by default under ~/.local/state).
    static QString journalFolder();
    // The places an entry file lists; empty when it is not one of ours.
    static QList<Place> readPlaces(int descriptor);

private:
    QString m_hiddenFolderPath;
    QString m_stagingFolderPath;
    FileDescriptor m_journal;
    QByteArray m_entryName;
    FileDescriptor m_entry;
};
