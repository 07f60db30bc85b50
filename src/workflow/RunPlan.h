#pragma once

#include "engine/ArchiveAction.h"
#include "engine/ArchiveFormat.h"
#include "engine/CancellationToken.h"

#include <QCoroTask>
#include <QList>
#include <QUrl>

#include <optional>

class AppPreferences;
class Dialogs;

// What a run settles before its first archive, the password aside: the action and its format,
// the folder the archives go to and the items of each archive.
struct RunPlan {
    ArchiveAction action = ArchiveAction::compress;
    ArchiveFormat format = ArchiveFormat::zip;
    QUrl folder;
    QList<QList<QUrl>> groups;

    // Checks the dropped items, has the format confirmed where it asks for that and finds the
    // folder. None when the user declines or `cancellation` is set meanwhile; throws
    // CompressionError for the items or the folder. Both collaborators must outlive the task.
    static QCoro::Task<std::optional<RunPlan>> prepare(AppPreferences& preferences, Dialogs& dialogs,
                                                       QList<QUrl> urls, CancellationToken cancellation);
};
