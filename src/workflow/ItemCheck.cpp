#include "ItemCheck.h"

#include "engine/AlreadyCompressed.h"
#include "engine/CompressionError.h"
#include "engine/LocalPath.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <cstdlib>
#include <memory>
#include <sys/stat.h>

namespace {

// The path with every link and dot component resolved; empty when it does not exist.
QByteArray canonicalPath(const QByteArray& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.constData(), nullptr),
                                                               &std::free);
    return resolved ? QByteArray(resolved.get()) : QByteArray();
}

} // namespace

QList<QUrl> ItemCheck::checkedItems(const QList<QUrl>& urls) {
    if (urls.isEmpty())
        throw CompressionError::noItems();
    for (const QUrl& url : urls) {
        const QByteArray path = cleanPath(url);
        if (isProtectedPath(path))
            throw CompressionError::forbidden(itemName(url));
        struct stat info {};
        if (path.isEmpty() || ::stat(path.constData(), &info) != 0)
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

bool ItemCheck::isProtectedPath(const QByteArray& cleanPath) {
    static const QSet<QByteArray> fixed{"/", "/Users", "/Applications", "/home"};
    QByteArray home = qgetenv("HOME");
    if (home.isEmpty())
        home = QFile::encodeName(QDir::homePath());
    return fixed.contains(cleanPath) || cleanPath == LocalPath::cleaned(home);
}

QByteArray ItemCheck::cleanPath(const QUrl& item) {
    const QByteArray path = LocalPath::fromUrl(item);
    return path.isEmpty() ? path : LocalPath::cleaned(path);
}

QString ItemCheck::itemName(const QUrl& item) {
    const QByteArray path = cleanPath(item);
    if (path.isEmpty())
        return item.fileName();
    return LocalPath::display(LocalPath::fileName(path));
}

bool ItemCheck::holds(const QUrl& item, const QUrl& path) {
    const QByteArray canonicalTarget = canonicalPath(cleanPath(path));
    const QByteArray target = canonicalTarget.isEmpty() ? cleanPath(path) : canonicalTarget;
    const auto contains = [&target](const QByteArray& folder) {
        if (folder.isEmpty())
            return false;
        return target == folder || target.startsWith(folder.endsWith('/') ? folder : folder + '/');
    };
    const QByteArray itemPath = cleanPath(item);
    return contains(itemPath) || contains(canonicalPath(itemPath));
}
