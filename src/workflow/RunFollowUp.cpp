#include "RunFollowUp.h"

#include "DesktopServices.h"
#include "Dialogs.h"
#include "ItemCheck.h"
#include "engine/LocalPath.h"
#include "engine/StagedItem.h"
#include "persistence/AppPreferences.h"
#include "persistence/ArchiveLogStore.h"

#include <QFileInfo>

RunFollowUp::RunFollowUp(AppPreferences& preferences, ArchiveLogStore& log)
    : m_preferences(preferences)
    , m_log(log) {}

void RunFollowUp::begin() {
    m_archives.clear();
    m_kept.clear();
}

void RunFollowUp::archiveCompleted(const QUrl& archiveURL, ArchiveFormat format) {
    m_archives.append(archiveURL);
    // The engine writes archives only where the path is also text, so this finds the same file.
    const QString archivePath = LocalPath::display(LocalPath::fromUrl(archiveURL));
    m_log.append(archivePath, format);
    m_preferences.setLastArchive(archivePath);
}

void RunFollowUp::trashOriginals(const QUrl& archiveURL, const QList<QUrl>& items,
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

std::optional<ArchiveResult> RunFollowUp::runCompleted(ArchiveAction action, DesktopServices& desktop) const {
    if (action == ArchiveAction::email)
        desktop.composeEmail(m_archives);
    if (m_archives.isEmpty())
        return std::nullopt;
    return ArchiveResult{m_archives, m_kept};
}

QCoro::Task<> RunFollowUp::showLastArchive(Dialogs& dialogs, DesktopServices& desktop) const {
    const QString path = m_preferences.lastArchive();
    std::optional<QString> message;
    if (path.isEmpty())
        message = qtTrId("error.noLast");
    else if (!QFileInfo::exists(path))
        message = qtTrId("error.missingLast");
    if (message) {
        co_await dialogs.showError(qtTrId("error.title"), *message);
        co_return;
    }
    desktop.revealInFileManager({QUrl::fromLocalFile(path)});
}
