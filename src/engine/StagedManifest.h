#pragma once

#include "ArchiveFormat.h"
#include "StagedItem.h"

#include <QByteArray>
#include <QHash>
#include <QList>

#include <filesystem>

// What an archive of a staging folder must hold: every member's path relative to the folder, as
// raw bytes, with the size of each regular file (-1 for folders, links and other entries); and
// what staging took of each item.
class StagedManifest final {
public:
    // Lists `folder` the way the format's tool reads it, links as links: zip's exclusion list
    // drops Finder files.
    static StagedManifest ofFolder(const std::filesystem::path& folder, ArchiveFormat format,
                                   bool omitFinderFiles);

    // A member name as tools write it ("./a/", "a/") in the form used here ("a").
    static QByteArray normalisedName(QByteArray name);

    const QHash<QByteArray, qint64>& entries() const { return m_entries; }
    void insert(const QByteArray& path, qint64 size) { m_entries.insert(path, size); }
    // The bytes of all regular files: what a tool has to read.
    qint64 totalBytes() const;

    // One per item, in the order the items were given.
    const QList<StagedItem>& items() const { return m_items; }
    void setItems(QList<StagedItem> items) { m_items = std::move(items); }

private:
    QHash<QByteArray, qint64> m_entries;
    QList<StagedItem> m_items;
};
