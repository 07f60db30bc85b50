#include "RunPlan.h"

#include "DestinationResolver.h"
#include "Dialogs.h"
#include "ItemCheck.h"
#include "engine/CompressionError.h"
#include "engine/FormatDescription.h"
#include "persistence/AppPreferences.h"

namespace {

// True when the format asks for no confirmation, or the user gave it.
QCoro::Task<bool> confirmFormat(AppPreferences& preferences, Dialogs& dialogs, ArchiveFormat format) {
    const FormatDescription& description = formatDescription(format);
    if (!description.confirmTitleKey)
        co_return true;
    AppPreferences::Confirmation confirmation{
        .titleKey = QString::fromLatin1(description.confirmTitleKey),
        .messageKey = QString::fromLatin1(description.confirmMessageKey),
        .confirmButtonKey = QString::fromLatin1(description.confirmButtonKey),
        .suppressionKey = QString::fromLatin1(description.confirmSuppressionKey)};
    co_return co_await preferences.confirmUnlessSuppressed(dialogs, std::move(confirmation));
}

} // namespace

QCoro::Task<std::optional<RunPlan>> RunPlan::prepare(AppPreferences& preferences, Dialogs& dialogs,
                                                     QList<QUrl> urls, CancellationToken cancellation) {
    RunPlan plan;
    plan.action = preferences.selectedAction();
    plan.format = preferences.actionFormat(plan.action);

    const QList<QUrl> items = ItemCheck::checkedItems(urls);
    const QList<QUrl> kept = ItemCheck::removingAlreadyCompressed(items, preferences.skipAlreadyCompressed());
    if (kept.isEmpty())
        throw CompressionError::allSkipped();

    const bool confirmed = co_await confirmFormat(preferences, dialogs, plan.format);
    if (!confirmed || cancellation.isCancelled())
        co_return std::nullopt;

    plan.folder = co_await DestinationResolver::destinationFolder(preferences, dialogs, kept, plan.action);
    if (cancellation.isCancelled())
        co_return std::nullopt;

    if (preferences.individualArchives()) {
        for (const QUrl& item : kept)
            plan.groups.append(QList<QUrl>{item});
    } else {
        plan.groups.append(kept);
    }
    co_return plan;
}
