#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

// The checks a run makes on the dropped items before anything is written.
class ItemCheck final {
public:
    // The items to work on, as given; throws CompressionError (noItems, forbidden, missingItem) for
    // the first item that fails.
    static QList<QUrl> checkedItems(const QList<QUrl>& urls);
    // The items without those that are archives already, when skip is set.
    static QList<QUrl> removingAlreadyCompressed(const QList<QUrl>& items, bool skip);

    // The root, the folders that hold every user's home and the user's own home folder.
    static bool isProtectedPath(const QByteArray& cleanPath);
    // True when the item is the path or a folder that contains it, also through symbolic links.
    static bool holds(const QUrl& item, const QUrl& path);
    // The item's local path, as bytes, without trailing slashes or dot components.
    static QByteArray cleanPath(const QUrl& item);
    // The name shown for an item: its last path component, "/" for the root.
    static QString itemName(const QUrl& item);
};
