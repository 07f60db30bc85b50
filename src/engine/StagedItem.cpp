#include "StagedItem.h"

#include <sys/stat.h>

StagedItem StagedItem::at(const QByteArray& path) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return {};
    return {info.st_dev, info.st_ino, info.st_mtim, false};
}

bool StagedItem::isSameEntry(const StagedItem& other) const {
    return inode != 0 && device == other.device && inode == other.inode &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}
