#include "StagingPlan.h"

#include "LocalPath.h"

#include <QFile>
#include <QHash>

#include <filesystem>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

dev_t deviceOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_dev : dev_t(-1);
}

void addBytes(const fs::path& path, QHash<dev_t, qint64>& bytesByDevice, qint64& total) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return;
    if (S_ISREG(info.st_mode)) {
        bytesByDevice[info.st_dev] += info.st_size;
        total += info.st_size;
        return;
    }
    if (!S_ISDIR(info.st_mode))
        return;
    std::error_code error;
    for (auto entry =
             fs::recursive_directory_iterator(path, fs::directory_options::skip_permission_denied, error);
         !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        struct stat entryInfo {};
        if (::lstat(entry->path().c_str(), &entryInfo) == 0 && S_ISREG(entryInfo.st_mode)) {
            bytesByDevice[entryInfo.st_dev] += entryInfo.st_size;
            total += entryInfo.st_size;
        }
    }
}

} // namespace

StagingPlan StagingPlan::choose(const QList<QUrl>& items, const QString& temporaryFolder) {
    StagingPlan plan;
    plan.parentFolder = temporaryFolder;
    QHash<dev_t, qint64> bytesByDevice;
    for (const QUrl& item : items) {
        const QByteArray path = LocalPath::cleaned(LocalPath::fromUrl(item));
        if (!path.isEmpty())
            addBytes(fs::path(path.toStdString()), bytesByDevice, plan.totalBytes);
    }
    const qint64 onTemporary = bytesByDevice.value(deviceOf(temporaryFolder));
    plan.bytesToCopy = plan.totalBytes - onTemporary;
    const QByteArray firstPath = items.isEmpty() ? QByteArray() : LocalPath::fromUrl(items.first());
    if (plan.bytesToCopy == 0 || firstPath.isEmpty())
        return plan;

    // The staging folder is made by its text, which must name this very folder.
    const QString firstFolder = LocalPath::display(LocalPath::folder(firstPath));
    if (QFile::encodeName(firstFolder) != LocalPath::folder(firstPath))
        return plan;
    const qint64 onFirstFolder = bytesByDevice.value(deviceOf(firstFolder));
    if (onFirstFolder * 2 > plan.totalBytes && onFirstFolder > onTemporary &&
        ::access(QFile::encodeName(firstFolder).constData(), W_OK | X_OK) == 0) {
        plan.parentFolder = firstFolder;
        plan.besideItems = true;
        plan.bytesToCopy = plan.totalBytes - onFirstFolder;
    }
    return plan;
}

qint64 StagingPlan::freeSpace(const QString& folder) {
    struct statvfs info {};
    if (::statvfs(QFile::encodeName(folder).constData(), &info) != 0)
        return -1;
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}
