#pragma once

#include "ItemCopier.h"
#include "StagedItem.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <filesystem>

// A private folder ("Balewick-<UUID>" in the temporary directory) that holds copies of the items of
// one archive. It is removed, with everything in it, when the object goes away.
class StagingFolder final {
public:
    // Makes the folder, and its missing parents. Throws PlatformError when it cannot be made.
    explicit StagingFolder(const QString& path);
    ~StagingFolder();
    Q_DISABLE_COPY_MOVE(StagingFolder)

    const std::filesystem::path& path() const { return m_path; }
    QString pathString() const;

    // Copies each item to the top level under its own name; folders are merged into a folder of
    // the same name. Answers what was taken of each item, in order. Throws
    // CompressionError::missingItem, CompressionError::forbidden (the root folder) or PlatformError.
    QList<StagedItem> stageItems(const QList<QUrl>& items, bool omitFinderFiles, ItemCopier copier) const;

    // Removes a tree we made, also where a staged folder's mode forbids changing it. Failures are
    // ignored.
    static void removeTree(const std::filesystem::path& path);

private:
    std::filesystem::path m_path;
};
