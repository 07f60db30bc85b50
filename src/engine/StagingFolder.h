#pragma once

#include "ItemCopier.h"
#include "PrivateFolder.h"
#include "StagedItem.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <filesystem>

// A private folder ("Balewick-<UUID>" in the temporary directory, or hidden beside the items) that
// holds copies of the items of one archive. It is reached through its descriptor only, and removed,
// with everything in it, when the object goes away.
class StagingFolder final {
public:
    // Makes the folder, and its missing parents. Throws PlatformError when it cannot be made, or
    // CompressionError::notOurs (see PrivateFolder).
    explicit StagingFolder(const QString& path);
    Q_DISABLE_COPY_MOVE(StagingFolder)

    // A path that leads to this folder whatever becomes of its name ("/proc/self/fd/<n>").
    const std::filesystem::path& path() const { return m_path; }
    QString pathString() const;
    PrivateFolder& folder() { return m_folder; }
    const PrivateFolder& folder() const { return m_folder; }

    // Copies each item to the top level under its own name; folders are merged into a folder of
    // the same name. Answers what was taken of each item, in order. Throws
    // CompressionError::missingItem, CompressionError::forbidden (the root folder) or PlatformError.
    QList<StagedItem> stageItems(const QList<QUrl>& items, bool omitFinderFiles, ItemCopier copier) const;

private:
    PrivateFolder m_folder;
    std::filesystem::path m_path;
};
