#pragma once

#include "ArchiveResult.h"
#include "engine/ArchiveFormat.h"

#include <QList>
#include <QUrl>

class AppPreferences;
class ArchiveLogStore;
class DesktopServices;
struct StagedItem;

// What follows each archive a run makes: its log entry, its path kept as the last archive, and
// the originals it holds moved to the Trash, with the reason for each that stays.
class ArchiveCompletion final {
public:
    // Neither is owned; both must outlive this object.
    ArchiveCompletion(AppPreferences& preferences, ArchiveLogStore& log);
    Q_DISABLE_COPY_MOVE(ArchiveCompletion)

    // A run begins: nothing has stayed yet.
    void begin();
    void record(const QUrl& archiveURL, ArchiveFormat format);
    // Moves to the Trash each of `items` that the archive holds in full and that is still the entry
    // staged for it (`staged` tells, item by item, what staging took).
    void trashOriginals(const QUrl& archiveURL, const QList<QUrl>& items, const QList<StagedItem>& staged,
                        DesktopServices& desktop);
    // The run's items that stayed although the Trash option was on.
    const QList<ArchiveResult::KeptItem>& kept() const { return m_kept; }

private:
    AppPreferences& m_preferences;
    ArchiveLogStore& m_log;
    QList<ArchiveResult::KeptItem> m_kept;
};
