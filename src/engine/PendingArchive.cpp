#include "PendingArchive.h"

#include "CompressionError.h"
#include "SystemError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool linkUnsupported(int errorNumber) {
    return errorNumber == EPERM || errorNumber == ENOTSUP || errorNumber == EOPNOTSUPP ||
           errorNumber == ENOSYS || errorNumber == EMLINK;
}

bool isSameFile(const struct stat& one, const struct stat& other) {
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// 0 on success, else the errno of the failure.
int renameWithoutReplacing(int fromFolder, const char* from, int toFolder, const char* to) {
    if (::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;

    // The filesystem cannot rename without replacing: a link fails on an existing name too.
    if (::linkat(fromFolder, from, toFolder, to, 0) == 0) {
        ::unlinkat(fromFolder, from, 0);
        return 0;
    }
    if (!linkUnsupported(errno))
        return errno;

    // No links either: claim the name with an empty file, then rename over our own claim.
    const int claim = ::openat(toFolder, to, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (claim < 0)
        return errno;
    struct stat claimed {};
    ::fstat(claim, &claimed);
    ::close(claim);
    if (::renameat(fromFolder, from, toFolder, to) != 0) {
        const int error = errno;
        struct stat named {};
        if (::fstatat(toFolder, to, &named, AT_SYMLINK_NOFOLLOW) == 0 && isSameFile(named, claimed))
            ::unlinkat(toFolder, to, 0);
        return error;
    }
    return 0;
}

} // namespace

PendingArchive::PendingArchive(const QString& outputPath, const QString& hiddenFolderPath)
    : m_outputPath(outputPath)
    , m_finalName(QFile::encodeName(QFileInfo(outputPath).fileName()))
    , m_folder(QFileInfo(hiddenFolderPath).path(), QFile::encodeName(QFileInfo(hiddenFolderPath).fileName()))
    , m_temporaryPath(QFile::decodeName(m_folder.descriptorPath() + '/' + m_finalName)) {}

void PendingArchive::publish() {
    const QString name = QFileInfo(m_outputPath).fileName();
    struct stat written {};
    if (::fstatat(m_folder.descriptor(), m_finalName.constData(), &written, AT_SYMLINK_NOFOLLOW) != 0) {
        const int error = errno; // before qtTrId can change it
        throw systemError(error, qtTrId("error.saveArchive"), name);
    }
    if (!S_ISREG(written.st_mode))
        throw systemError(EINVAL, qtTrId("error.saveArchive"), name);
    const int error = renameWithoutReplacing(m_folder.descriptor(), m_finalName.constData(),
                                             m_folder.parentDescriptor(), m_finalName.constData());
    if (error != 0)
        throw systemError(error, qtTrId("error.saveArchive"), name);
    struct stat published {};
    if (::fstatat(m_folder.parentDescriptor(), m_finalName.constData(), &published, AT_SYMLINK_NOFOLLOW) !=
            0 ||
        !isSameFile(published, written))
        throw CompressionError::notOurs(m_outputPath);
}

QString PendingArchive::withFinalNames(QString message) const {
    message.replace(m_temporaryPath, m_outputPath);
    // What remains names the folder itself, or the tool's own files in it.
    return message.replace(QFile::decodeName(m_folder.descriptorPath()), QFileInfo(m_outputPath).path());
}
