#include "ItemCheck.h"

#include "engine/AlreadyCompressed.h"
#include "engine/CompressionError.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

QList<QUrl> ItemCheck::checkedItems(const QList<QUrl>& urls) {
    if (urls.isEmpty())
        throw CompressionError::noItems();
    for (const QUrl& url : urls) {
        const QString path = cleanPath(url);
        if (isProtectedPath(path))
            throw CompressionError::forbidden(itemName(url));
        if (path.isEmpty() || !QFileInfo::exists(path))
            throw CompressionError::missingItem(itemName(url));
    }
    return urls;
}

QList<QUrl> ItemCheck::removingAlreadyCompressed(const QList<QUrl>& items, bool skip) {
    if (!skip)
        return items;
    QList<QUrl> kept;
    for (const QUrl& item : items) {
        if (!isAlreadyCompressed(item))
            kept.append(item);
    }
    return kept;
}

bool ItemCheck::isProtectedPath(const QString& cleanPath) {
    static const QSet<QString> fixed{QStringLiteral("/"), QStringLiteral("/Users"),
                                     QStringLiteral("/Applications"), QStringLiteral("/home")};
    return fixed.contains(cleanPath) || cleanPath == QDir::cleanPath(QDir::homePath());
}

QString ItemCheck::cleanPath(const QUrl& item) {
    if (!item.isLocalFile())
        return {};
    return QDir::cleanPath(item.toLocalFile());
}

QString ItemCheck::itemName(const QUrl& item) {
    const QString path = cleanPath(item);
    if (path == QLatin1String("/"))
        return path;
    if (path.isEmpty())
        return item.fileName();
    return QFileInfo(path).fileName();
}

bool ItemCheck::holds(const QUrl& item, const QUrl& path) {
    const QString canonicalTarget = QFileInfo(path.toLocalFile()).canonicalFilePath();
    const QString target = canonicalTarget.isEmpty() ? QDir::cleanPath(path.toLocalFile()) : canonicalTarget;
    const auto contains = [&target](const QString& folder) {
        if (folder.isEmpty())
            return false;
        return target == folder || target.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
    };
    const QString itemPath = cleanPath(item);
    return contains(itemPath) || contains(QFileInfo(itemPath).canonicalFilePath());
}
