#include "StagingFolder.h"

#include "CompressionError.h"
#include "LocalPath.h"
#include "SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path bytePath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

} // namespace

StagingFolder::StagingFolder(const QString& folderPath) {
    const QString temporaryFolder = QFileInfo(folderPath).path();
    const QString name = QFileInfo(folderPath).fileName();
    std::error_code error;
    fs::create_directories(bytePath(temporaryFolder), error);
    if (error)
        throw systemError(error.value(), qtTrId("error.createFolder"), temporaryFolder);
    const fs::path path = bytePath(folderPath);
    // Private: it holds copies of the user's files inside a directory that other users can read.
    if (::mkdir(path.c_str(), 0700) != 0)
        throw systemError(errno, qtTrId("error.createFolder"), name);
    ::chmod(path.c_str(), 0700);
    m_path = path;
}

StagingFolder::~StagingFolder() {
    removeTree(m_path);
}

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

void StagingFolder::removeTree(const fs::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return;
    if (!S_ISDIR(info.st_mode)) {
        ::unlink(path.c_str());
        return;
    }
    // A staged copy of a read-only folder keeps its mode; we own it, so we may open it up.
    ::chmod(path.c_str(), 0700);
    std::error_code error;
    for (fs::directory_iterator entries(path, error); !error && entries != fs::directory_iterator();
         entries.increment(error))
        removeTree(entries->path());
    ::rmdir(path.c_str());
}
