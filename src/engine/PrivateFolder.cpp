#include "PrivateFolder.h"

#include "CompressionError.h"
#include "SystemError.h"
#include "TreeRemoval.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace {

// Filesystems that show every folder with the modes of the mount, whatever was asked (FAT, exFAT,
// NTFS, FUSE, SMB): there a folder made 0700 cannot look private.
bool keepsNoModes(int folder) {
    static constexpr std::array<unsigned long, 8> types{0x4d44,     0x2011bab0, 0x5346544e, 0x7366746e,
                                                        0x65735546, 0x517b,     0xff534d42, 0xfe534d42};
    struct statfs info {};
    return ::fstatfs(folder, &info) == 0 &&
           std::find(types.begin(), types.end(), static_cast<unsigned long>(info.f_type)) != types.end();
}

bool isEmpty(int folder) {
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* directory = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (!directory) {
        if (listing >= 0)
            ::close(listing);
        return false;
    }
    int names = 0;
    while (::readdir(directory))
        ++names;
    ::closedir(directory);
    return names == 2;
}

// The folder just made, as made: ours, private, empty, on the parent's filesystem and still under
// its name. A folder put in its place meanwhile fails at least one of these.
bool isAsMade(int folder, int parent, const QByteArray& name, struct stat& info) {
    struct stat named {};
    struct stat parentInfo {};
    return ::fstat(folder, &info) == 0 &&
           ::fstatat(parent, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           ::fstat(parent, &parentInfo) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           info.st_dev == named.st_dev && info.st_ino == named.st_ino && info.st_dev == parentInfo.st_dev &&
           ((info.st_mode & (S_IRWXG | S_IRWXO)) == 0 || keepsNoModes(folder)) && isEmpty(folder);
}

} // namespace

PrivateFolder::PrivateFolder(const QString& parentPath, const QByteArray& name)
    : m_name(name)
    , m_path(QDir(parentPath).filePath(QFile::decodeName(name))) {
    const QString displayName = QFile::decodeName(name);
    m_parent =
        FileDescriptor(::open(QFile::encodeName(parentPath).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!m_parent.isValid() || ::mkdirat(m_parent.get(), name.constData(), 0700) != 0) {
        const int error = errno; // before qtTrId can change it
        throw systemError(error, qtTrId("error.createFolder"), displayName);
    }
    m_folder = FileDescriptor(
        ::openat(m_parent.get(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    // A tool finds this folder at the same number, which must stay clear of its standard streams.
    if (m_folder.isValid() && m_folder.get() <= STDERR_FILENO)
        m_folder = FileDescriptor(::fcntl(m_folder.get(), F_DUPFD_CLOEXEC, STDERR_FILENO + 1));
    if (!m_folder.isValid() || !isAsMade(m_folder.get(), m_parent.get(), name, m_identity)) {
        m_folder.close();
        throw CompressionError::notOurs(m_path);
    }
    // The mask may have taken the owner's own rights.
    ::fchmod(m_folder.get(), 0700);
}

PrivateFolder::~PrivateFolder() {
    remove();
}

QByteArray PrivateFolder::descriptorPath() const {
    return "/proc/self/fd/" + QByteArray::number(m_folder.get());
}

bool PrivateFolder::remove() {
    if (!m_folder.isValid())
        return true;
    // What is inside goes through the descriptor even when the name leads elsewhere by now.
    bool allOurs = TreeRemoval::removeContents(m_folder.get());
    allOurs = TreeRemoval::removeFolderIfSame(m_parent.get(), m_name, m_identity.st_dev, m_identity.st_ino) &&
              allOurs;
    struct stat named {};
    // Gone from its name (someone moved it away, or removed it once empty): not ours to look for.
    if (::fstatat(m_parent.get(), m_name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
        struct stat info {};
        allOurs = allOurs && ::fstat(m_folder.get(), &info) == 0 && info.st_nlink == 0;
    }
    m_folder.close();
    return allOurs;
}
