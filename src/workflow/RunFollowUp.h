#pragma once

#include "ArchiveResult.h"
#include "engine/ArchiveAction.h"
#include "engine/ArchiveFormat.h"
#include "engine/CancellationToken.h"

#include <QCoroTask>
#include <QList>
#include <QUrl>

#include <optional>

class AppPreferences;
class ArchiveLogStore;
class DesktopServices;
class Dialogs;
struct StagedItem;

// What follows each archive a run makes (its log entry, the last archive remembered, the originals
// moved to the Trash) and the end of a run that made them all; and the command that reveals the
// last archive. Lives on the main thread.
class RunFollowUp final {
public:
    // Neither is owned; both must outlive this object.
    RunFollowUp(AppPreferences& preferences, ArchiveLogStore& log);
    Q_DISABLE_COPY_MOVE(RunFollowUp)

    // A run begins: no archive made, nothing stayed.
    void begin();
    void archiveCompleted(const QUrl& archiveURL, ArchiveFormat format);
    // Moves to the Trash each of `items` that the archive holds in full and that is still the entry
    // staged for it (`staged` tells, item by item, what staging took).
    void trashOriginals(const QUrl& archiveURL, const QList<QUrl>& items, const QList<StagedItem>& staged,
                        DesktopServices& desktop);
    // Every archive is made: the e-mail action hands them over, asking first when they are larger
    // than most mail services take; the run's result, none without any. A stop while asking hands
    // nothing over. The ports must outlive the task.
    QCoro::Task<std::optional<ArchiveResult>> runCompleted(ArchiveAction action, Dialogs& dialogs,
                                                           DesktopServices& desktop,
                                                           CancellationToken cancellation) const;

    // Reveals the newest archive made, or explains why it can't. The ports must outlive the task.
    QCoro::Task<> showLastArchive(Dialogs& dialogs, DesktopServices& desktop) const;

private:
    AppPreferences& m_preferences;
    ArchiveLogStore& m_log;
    QList<QUrl> m_archives;
    // The run's items that stayed although the Trash option was on.
    QList<ArchiveResult::KeptItem> m_kept;
};
