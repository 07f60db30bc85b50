#include "TreeRemoval.h"

#include "FileDescriptor.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray descriptorPath(int descriptor) {
    return "/proc/self/fd/" + QByteArray::number(descriptor);
}

// A folder of ours on the filesystem of the folder holding it.
bool isOurFolder(const struct stat& folder, const struct stat& parent) {
    return S_ISDIR(folder.st_mode) && folder.st_uid == ::geteuid() && folder.st_dev == parent.st_dev;
}

} // namespace

QByteArrayList TreeRemoval::namesIn(int folder) {
    QByteArrayList names;
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return names;
    DIR* directory = ::fdopendir(listing);
    if (!directory) {
        ::close(listing);
        return names;
    }
    while (const dirent* entry = ::readdir(directory)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    ::closedir(directory);
    return names;
}

bool TreeRemoval::removeContents(int folder) {
    struct stat info {};
    if (::fstat(folder, &info) != 0)
        return true;
    if (info.st_uid != ::geteuid())
        return false;
    // A staged copy of a read-only folder keeps its mode; ours, it may be opened up. The descriptor
    // may be O_PATH, which fchmod refuses, so the change goes through its own name in /proc.
    if ((info.st_mode & S_IRWXU) != S_IRWXU)
        ::chmod(descriptorPath(folder).constData(), (info.st_mode | S_IRWXU) & 07777);
    bool allOurs = true;
    for (const QByteArray& name : namesIn(folder))
        allOurs = removeEntry(folder, name) && allOurs;
    return allOurs;
}

bool TreeRemoval::removeEntry(int parent, const QByteArray& name) {
    struct stat info {};
    if (::fstatat(parent, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return true;
    if (!S_ISDIR(info.st_mode)) {
        ::unlinkat(parent, name.constData(), 0);
        return true;
    }
    return removeFolderIfSame(parent, name, info.st_dev, info.st_ino);
}

bool TreeRemoval::removeFolderIfSame(int parent, const QByteArray& name, dev_t device, ino_t inode) {
    const FileDescriptor folder(
        ::openat(parent, name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.isValid())
        return errno == ENOENT;
    struct stat info {};
    struct stat parentInfo {};
    if (::fstat(folder.get(), &info) != 0 || ::fstat(parent, &parentInfo) != 0)
        return true;
    if (info.st_dev != device || info.st_ino != inode || !isOurFolder(info, parentInfo))
        return false;
    const bool allOurs = removeContents(folder.get());
    // The name is looked up once more to remove it: only an empty folder can go that way, and
    // only while the name still leads to this one.
    struct stat named {};
    if (::fstatat(parent, name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0)
        return allOurs;
    if (named.st_dev != device || named.st_ino != inode)
        return false;
    ::unlinkat(parent, name.constData(), AT_REMOVEDIR);
    return allOurs;
}
