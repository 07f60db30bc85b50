#pragma once

#include <QByteArrayList>
#include <QString>

// The places one archive occupies while it is made (its hidden folder beside the archive, its
// staging folder and error file in the temporary folder), written down in the user's state folder
// before any of them exists and forgotten once they are gone. The entry stays locked while its
// process lives, so a later start can tell the leftovers of a crash from the work of a running
// instance.
class PendingJournalEntry final {
public:
    // Picks the names for an archive made in `destinationFolder`, staged in the temporary folder
    // or, given `stagingBeside`, in a hidden ".Balewick-<UUID>" folder there. A journal that cannot
    // be written is no reason to refuse the archive: the entry is then simply not recorded.
    explicit PendingJournalEntry(const QString& destinationFolder, const QString& stagingBeside = {});
    ~PendingJournalEntry();
    Q_DISABLE_COPY_MOVE(PendingJournalEntry)

    const QString& hiddenFolderPath() const { return m_hiddenFolderPath; }
    const QString& stagingFolderPath() const { return m_stagingFolderPath; }
    const QString& errorFilePath() const { return m_errorFilePath; }

    // "$XDG_STATE_HOME/balewick/pending" (by default under ~/.local/state).
    static QString journalFolder();
    // The paths an entry file lists; empty when it is not one of ours.
    static QByteArrayList readPaths(int descriptor);

private:
    QString m_hiddenFolderPath;
    QString m_stagingFolderPath;
    QString m_errorFilePath;
    QString m_entryPath;
    int m_descriptor = -1;
};
