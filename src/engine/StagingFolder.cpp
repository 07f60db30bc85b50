#include "StagingFolder.h"

#include "CompressionError.h"
#include "LocalPath.h"
#include "SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

fs::path bytePath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

// The temporary folder named by TMPDIR may not exist yet.
QString withParentMade(const QString& folderPath) {
    const QString parent = QFileInfo(folderPath).path();
    std::error_code error;
    fs::create_directories(bytePath(parent), error);
    if (error)
        throw systemError(error.value(), qtTrId("error.createFolder"), parent);
    return parent;
}

} // namespace

StagingFolder::StagingFolder(const QString& folderPath)
    : m_folder(withParentMade(folderPath), QFile::encodeName(QFileInfo(folderPath).fileName()))
    , m_path(m_folder.descriptorPath().toStdString()) {}

QString StagingFolder::pathString() const {
    return QFile::decodeName(QByteArray::fromStdString(m_path.native()));
}

QList<StagedItem> StagingFolder::stageItems(const QList<QUrl>& items, bool omitFinderFiles,
                                            ItemCopier copier) const {
    copier.skipFolder(m_path);
    QList<StagedItem> staged;
    for (const QUrl& item : items) {
        const QByteArray localPath = LocalPath::cleaned(LocalPath::fromUrl(item));
        const QString name = LocalPath::display(LocalPath::fileName(localPath));
        if (localPath == "/")
            throw CompressionError::forbidden(QStringLiteral("/"));
        if (name.isEmpty())
            throw CompressionError::missingItem(item.fileName());

        // Taken before the copy: a change made while copying then shows at the Trash.
        StagedItem taken = StagedItem::at(localPath);
        const fs::path source = localPath.toStdString();
        struct stat info {};
        if (::stat(source.c_str(), &info) != 0)
            throw CompressionError::missingItem(name);

        const fs::path target = m_path / source.filename();
        if (S_ISDIR(info.st_mode)) {
            // A folder the user chose is always staged; the filter applies to what it holds.
            taken.complete = copier.copyFolderContents(source, target, omitFinderFiles);
        } else if (!(omitFinderFiles && ItemCopier::isFinderFile(source.filename()))) {
            taken.complete = copier.copyItem(source, target);
        } else {
            taken.complete = true; // a Finder file left out on request
        }
        staged.append(taken);
    }
    return staged;
}
