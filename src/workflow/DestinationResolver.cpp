#include "DestinationResolver.h"

#include "Dialogs.h"
#include "ItemCheck.h"
#include "engine/CompressionError.h"
#include "engine/LocalPath.h"
#include "persistence/AppPreferences.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

QCoro::Task<QUrl> DestinationResolver::destinationFolder(const AppPreferences& preferences, Dialogs& dialogs,
                                                         QList<QUrl> items, ArchiveAction action) {
    if (action == ArchiveAction::archive)
        co_return archiveFolderURL(preferences.archiveFolderPath());

    switch (preferences.destination()) {
    case ArchiveDestination::sameFolder: {
        if (items.isEmpty())
            throw CompressionError::noItems();
        co_return LocalPath::toUrl(LocalPath::folder(ItemCheck::cleanPath(items.first())));
    }
    case ArchiveDestination::ask: {
        const QUrl chosen = co_await dialogs.chooseFolder(qtTrId("general.chooseFolder"));
        if (LocalPath::fromUrl(chosen).isEmpty())
            throw CompressionError::cancelled();
        co_return chosen;
    }
    case ArchiveDestination::desktop:
        co_return desktopFolderURL();
    case ArchiveDestination::archiveFolder:
        break;
    }
    co_return archiveFolderURL(preferences.archiveFolderPath());
}

QString DestinationResolver::expandedFolderPath(const QString& path) {
    if (path == u'~' || path.startsWith(QLatin1String("~/")))
        return QDir::homePath() + path.mid(1);
    return path;
}

QUrl DestinationResolver::archiveFolderURL(const QString& storedPath) {
    // The folder field takes typed text: "~/Archives" means the home folder's, and a relative path
    // would otherwise be made wherever the process happened to start.
    const QString path = expandedFolderPath(storedPath);
    if (!QDir::isAbsolutePath(path))
        throw CompressionError::folderCreate();
    const QFileInfo info(path);
    if (info.exists()) {
        if (!info.isDir())
            throw CompressionError::folderCreate();
    } else if (!QDir().mkpath(path)) {
        throw CompressionError::folderCreate();
    }
    return QUrl::fromLocalFile(QDir::cleanPath(path));
}

QUrl DestinationResolver::desktopFolderURL() {
    QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (desktop.isEmpty())
        desktop = QDir(QDir::homePath()).filePath(QStringLiteral("Desktop"));
    return archiveFolderURL(desktop);
}

QUrl DestinationResolver::uniqueArchiveURL(const QUrl& folder, const QString& name, ArchiveFormat format) {
    QByteArray directory = LocalPath::fromUrl(folder);
    if (!directory.endsWith('/'))
        directory += '/';
    const QByteArray extension = '.' + QFile::encodeName(fileExtension(format));
    // A dangling link is taken too: the tool would write through it to wherever it points.
    const auto isTaken = [](const QByteArray& path) {
        struct stat info {};
        return ::lstat(path.constData(), &info) == 0;
    };
    QByteArray candidate = directory + QFile::encodeName(name) + extension;
    for (int number = 2; isTaken(candidate); ++number)
        candidate = directory + QFile::encodeName(name) + ' ' + QByteArray::number(number) + extension;
    return LocalPath::toUrl(candidate);
}
