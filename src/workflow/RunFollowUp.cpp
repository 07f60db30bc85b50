#include "RunFollowUp.h"

#include "DesktopServices.h"
#include "Dialogs.h"
#include "ItemCheck.h"
#include "engine/LocalPath.h"
#include "engine/StagedItem.h"
#include "persistence/AppPreferences.h"
#include "persistence/ArchiveLogStore.h"

#include <QFileInfo>
#include <QLocale>

#include <sys/stat.h>

namespace {

// Many mail services refuse messages over 20 to 25 MB.
constexpr qint64 largeMailBytes = 20'000'000;

qint64 totalSize(const QList<QUrl>& files) {
    qint64 total = 0;
    for (const QUrl& file : files) {
        struct stat status {};
        if (::stat(LocalPath::fromUrl(file).constData(), &status) == 0)
            total += status.st_size;
    }
    return total;
}

// True to attach the archives, false to show them in the file manager instead.
QCoro::Task<bool> attachLargeMail(AppPreferences& preferences, Dialogs& dialogs, QList<QUrl> archives) {
    const qint64 size = totalSize(archives);
    if (size <= largeMailBytes)
        co_return true;
    AppPreferences::Confirmation confirmation{
        .titleKey = QString::fromLatin1(QT_TRID_NOOP("email.tooLarge.title")),
        .messageKey = QString::fromLatin1(QT_TRID_NOOP("email.tooLarge.message")),
        .confirmButtonKey = QString::fromLatin1(QT_TRID_NOOP("email.tooLarge.attach")),
        .suppressionKey = QStringLiteral("BWSuppressLargeMail"),
        .cancelButtonKey = QString::fromLatin1(QT_TRID_NOOP("email.tooLarge.reveal")),
        // Kept on one line with its unit.
        .messageArgument =
            QLocale().formattedDataSize(size, 1, QLocale::DataSizeSIFormat).replace(u' ', QChar::Nbsp)};
    co_return co_await preferences.confirmUnlessSuppressed(dialogs, std::move(confirmation));
}

} // namespace

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

QCoro::Task<std::optional<ArchiveResult>> RunFollowUp::runCompleted(ArchiveAction action, Dialogs& dialogs,
                                                                    DesktopServices& desktop,
                                                                    CancellationToken cancellation) const {
    // Copied before asking: the model that owns this object may be gone once the user answers.
    std::optional<ArchiveResult> result;
    if (!m_archives.isEmpty())
        result = ArchiveResult{m_archives, m_kept};
    const QList<QUrl> archives = m_archives;
    if (action != ArchiveAction::email)
        co_return result;
    const bool attach = co_await attachLargeMail(m_preferences, dialogs, archives);
    if (cancellation.isCancelled())
        co_return result;
    if (attach)
        desktop.composeEmail(archives);
    else
        desktop.revealInFileManager(archives);
    co_return result;
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
