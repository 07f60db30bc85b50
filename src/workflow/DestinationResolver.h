#pragma once

#include "engine/ArchiveAction.h"
#include "engine/ArchiveFormat.h"

#include <QCoroTask>
#include <QList>
#include <QString>
#include <QUrl>

class AppPreferences;
class Dialogs;

// Where a run writes its archives and under which free file names.
class DestinationResolver final {
public:
    // The one folder for all archives of a run. Throws CompressionError (noItems, cancelled,
    // folderCreate). May ask for a folder; both collaborators must outlive the task.
    static QCoro::Task<QUrl> destinationFolder(const AppPreferences& preferences, Dialogs& dialogs,
                                               QList<QUrl> items, ArchiveAction action);
    // The archive folder at path, created with its parents when missing; throws folderCreate.
    // A typed folder path with a leading "~" made to name the home folder; other paths as given.
    static QString expandedFolderPath(const QString& path);
    static QUrl archiveFolderURL(const QString& path);
    // The user's desktop folder, created with its parents when missing (many Linux homes have
    // none); throws folderCreate.
    static QUrl desktopFolderURL();
    // "name.ext" in folder, or "name 2.ext", "name 3.ext", ...: the first that nothing occupies.
    // Only reads the file system, so any thread may call it.
    static QUrl uniqueArchiveURL(const QUrl& folder, const QString& name, ArchiveFormat format);
};
