#include "ItemCopier.h"

#include "CompressionError.h"
#include "FileDescriptor.h"
#include "SystemError.h"
#include "WriteAll.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace fs = std::filesystem;

namespace {

QString displayName(const fs::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.filename().native()));
}

[[noreturn]] void throwCopyError(int errorNumber, const fs::path& source) {
    throw systemError(errorNumber, qtTrId("error.copy"), displayName(source));
}

void keepTimes(const fs::path& target, const struct stat& info, int flags) {
    const timespec times[2] = {info.st_atim, info.st_mtim};
    ::utimensat(AT_FDCWD, target.c_str(), times, flags);
}

// Copies from the current offsets to the end; returns 0, ECANCELED when stopped, or the errno of
// the failure. Pieces stay small enough for a stop to be felt within a moment.
int copyBytes(int input, int output, const std::stop_token& stop, std::atomic<qint64>* counter) {
    for (;;) {
        if (stop.stop_requested())
            return ECANCELED;
        const ssize_t copied = ::copy_file_range(input, nullptr, output, nullptr, size_t(1) << 24, 0);
        if (copied > 0) {
            if (counter)
                *counter += copied;
            continue;
        }
        if (copied == 0)
            return 0;
        if (errno == EINTR)
            continue;
        if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP || errno == EBADF)
            break; // no kernel copy between these files: fall back to reading and writing
        return errno;
    }
    std::vector<char> buffer(size_t(1) << 20);
    for (;;) {
        if (stop.stop_requested())
            return ECANCELED;
        const ssize_t count = ::read(input, buffer.data(), buffer.size());
        if (count == 0)
            return 0;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (!writeAll(output, QByteArrayView(buffer.data(), count)))
            return errno;
        if (counter)
            *counter += count;
    }
}

} // namespace

bool ItemCopier::isFinderFile(const fs::path& name) {
    const std::string& bytes = name.native();
    return bytes == ".DS_Store" || bytes.starts_with("._");
}

void ItemCopier::skipFolder(const fs::path& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0) {
        m_skippedDevice = info.st_dev;
        m_skippedInode = info.st_ino;
    }
}

bool ItemCopier::copyItem(const fs::path& source, const fs::path& target) const {
    if (m_stop.stop_requested())
        throw CompressionError::cancelled();
    struct stat info {};
    if (::lstat(source.c_str(), &info) != 0)
        throwCopyError(errno, source);

    if (S_ISREG(info.st_mode)) {
        copyFile(source, target, info);
    } else if (S_ISLNK(info.st_mode)) {
        std::vector<char> linkTarget(size_t(info.st_size > 0 ? info.st_size : 256) + 1);
        ssize_t length = 0;
        while ((length = ::readlink(source.c_str(), linkTarget.data(), linkTarget.size())) >= 0 &&
               size_t(length) == linkTarget.size())
            linkTarget.resize(linkTarget.size() * 2);
        if (length < 0)
            throwCopyError(errno, source);
        linkTarget[size_t(length)] = '\0';
        if (::symlink(linkTarget.data(), target.c_str()) != 0)
            throwCopyError(errno, source);
        keepTimes(target, info, AT_SYMLINK_NOFOLLOW);
    } else if (S_ISFIFO(info.st_mode) && !m_leavesOutPipes) {
        // Reading a pipe would block until someone writes to it; the archive only needs the entry.
        if (::mkfifo(target.c_str(), info.st_mode & 07777) != 0)
            throwCopyError(errno, source);
        ::chmod(target.c_str(), info.st_mode & 07777);
        keepTimes(target, info, 0);
    } else if (S_ISDIR(info.st_mode)) {
        throwCopyError(EISDIR, source);
    } else {
        // Sockets and device files have no contents an archive could hold.
        return false;
    }
    return true;
}

void ItemCopier::copyFile(const fs::path& source, const fs::path& target, const struct stat& info) const {
    const bool linkAllowed = m_method == Method::linkWhenPossible;
    // A link needs no read permission, but the tool will have to read the file: an unreadable one
    // must fail here, naming it, rather than later with a message that doesn't.
    if (linkAllowed && ::faccessat(AT_FDCWD, source.c_str(), R_OK, AT_EACCESS) != 0)
        throwCopyError(errno, source);

    // O_NONBLOCK: should the file have been swapped for a pipe meanwhile, opening it must not hang.
    FileDescriptor input(::open(source.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!input.isValid())
        throwCopyError(errno, source);
    struct stat opened {};
    if (::fstat(input.get(), &opened) != 0)
        throwCopyError(errno, source);
    if (!S_ISREG(opened.st_mode))
        throwCopyError(EINVAL, source);

    FileDescriptor output;
    const bool cloned = cloneFile(input.get(), opened.st_dev, source, target, output);
    if (!cloned && linkAllowed) {
        if (output.isValid()) {
            output.close();
            ::unlink(target.c_str());
        }
        if (::link(source.c_str(), target.c_str()) == 0)
            return;
        if (errno == EEXIST)
            throwCopyError(errno, source);
        // Another filesystem, a link limit or the kernel's link protection: copy instead.
    }
    if (!output.isValid())
        output = createTarget(source, target);
    int failure = cloned ? 0 : copyBytes(input.get(), output.get(), m_stop, m_copiedBytes);
    if (failure == 0 && ::fchmod(output.get(), info.st_mode & 07777) != 0)
        failure = errno;
    if (failure == 0) {
        const timespec times[2] = {opened.st_atim, opened.st_mtim};
        if (::futimens(output.get(), times) != 0)
            failure = errno;
    }
    if (failure == 0 && ::close(output.release()) != 0)
        failure = errno;
    if (failure != 0) {
        output.close();
        ::unlink(target.c_str());
        if (failure == ECANCELED)
            throw CompressionError::cancelled();
        throwCopyError(failure, source);
    }
}

FileDescriptor ItemCopier::createTarget(const fs::path& source, const fs::path& target) {
    FileDescriptor output(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!output.isValid())
        throwCopyError(errno, source);
    return output;
}

bool ItemCopier::cloneFile(int input, dev_t device, const fs::path& source, const fs::path& target,
                           FileDescriptor& output) const {
    // Trying costs a file made and removed again, which adds up over thousands of small files.
    if (std::find(m_devicesWithoutClones.begin(), m_devicesWithoutClones.end(), device) !=
        m_devicesWithoutClones.end())
        return false;
    output = createTarget(source, target);
    if (::ioctl(output.get(), FICLONE, input) == 0)
        return true;
    // Not EINVAL: btrfs gives it for one file kept out of copy-on-write, not for the filesystem.
    if (errno == EOPNOTSUPP || errno == EXDEV || errno == ENOTTY || errno == ENOSYS)
        m_devicesWithoutClones.push_back(device);
    return false;
}

bool ItemCopier::copyFolderContents(const fs::path& source, const fs::path& target,
                                    bool omitFinderFiles) const {
    struct stat sourceInfo {};
    if (::stat(source.c_str(), &sourceInfo) != 0)
        throw systemError(errno, qtTrId("error.list"), displayName(source));

    if (::mkdir(target.c_str(), 0700) != 0) {
        const int error = errno;
        struct stat existing {};
        if (error != EEXIST || ::lstat(target.c_str(), &existing) != 0 || !S_ISDIR(existing.st_mode))
            throw systemError(error, qtTrId("error.createFolder"), displayName(target));
        // Merging into a folder staged earlier, which may already carry a read-only mode.
        ::chmod(target.c_str(), 0700);
    }

    bool complete = true;
    std::error_code error;
    fs::directory_iterator entries(source, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const fs::path name = entries->path().filename();
        if (omitFinderFiles && isFinderFile(name))
            continue;
        const fs::file_status status = entries->symlink_status(error);
        if (error)
            throwCopyError(error.value(), entries->path());
        if (status.type() == fs::file_type::directory) {
            struct stat folderInfo {};
            if (m_skippedInode != 0 && ::lstat(entries->path().c_str(), &folderInfo) == 0 &&
                folderInfo.st_ino == m_skippedInode && folderInfo.st_dev == m_skippedDevice)
                continue;
            complete = copyFolderContents(entries->path(), target / name, omitFinderFiles) && complete;
        } else {
            complete = copyItem(entries->path(), target / name) && complete;
        }
    }
    if (error)
        throw systemError(error.value(), qtTrId("error.list"), displayName(source));

    // Set last: filling the folder would change its time, and its mode might forbid filling it.
    ::chmod(target.c_str(), sourceInfo.st_mode & 07777);
    keepTimes(target, sourceInfo, 0);
    return complete;
}
