#include "ArchiveCompletion.h"

#include "DesktopServices.h"
#include "ItemCheck.h"
#include "engine/LocalPath.h"
#include "engine/StagedItem.h"
#include "persistence/AppPreferences.h"
#include "persistence/ArchiveLogStore.h"

ArchiveCompletion::ArchiveCompletion(AppPreferences& preferences, ArchiveLogStore& log)
    : m_preferences(preferences)
    , m_log(log) {}

void ArchiveCompletion::begin() {
    m_kept.clear();
}

void ArchiveCompletion::record(const QUrl& archiveURL, ArchiveFormat format) {
    // The engine writes archives only where the path is also text, so this finds the same file.
    const QString archivePath = LocalPath::display(LocalPath::fromUrl(archiveURL));
    m_log.append(archivePath, format);
    m_preferences.setLastArchive(archivePath);
}

void ArchiveCompletion::trashOriginals(const QUrl& archiveURL, const QList<QUrl>& items,
                                       const QList<StagedItem>& staged, DesktopServices& desktop) {
    using Reason = ArchiveResult::KeptReason;
    for (qsizetype index = 0; index < items.size(); ++index) {
        const QUrl& item = items[index];
        // An archive written inside a dropped folder would go to the Trash with it.
        if (ItemCheck::holds(item, archiveURL))
            continue;
        // Only what the archive holds may go: all of the item, still the entry that was staged.
        const QByteArray path = ItemCheck::cleanPath(item);
        const StagedItem taken = staged.value(index);
        if (!taken.complete)
            m_kept.append({item, Reason::incomplete});
        else if (!StagedItem::at(path).isSameEntry(taken))
            m_kept.append({item, Reason::changed});
        else if (!desktop.moveToTrash(path))
            m_kept.append({item, Reason::noTrash});
    }
}
