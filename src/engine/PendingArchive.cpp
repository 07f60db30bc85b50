#include "PendingArchive.h"

#include "StagingFolder.h"
#include "SystemError.h"

#include <QDir>
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

// 0 on success, else the errno of the failure.
int renameWithoutReplacing(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;

    // The filesystem cannot rename without replacing: a link fails on an existing name too.
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return 0;
    }
    if (!linkUnsupported(errno))
        return errno;

    // No links either: claim the name with an empty file, then rename over our own claim.
    const int claim = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (claim < 0)
        return errno;
    ::close(claim);
    if (::rename(from.constData(), to.constData()) != 0) {
        const int error = errno;
        ::unlink(to.constData());
        return error;
    }
    return 0;
}

} // namespace

PendingArchive::PendingArchive(const QString& outputPath, const QString& hiddenFolderPath)
    : m_outputPath(outputPath)
    , m_hiddenFolderPath(hiddenFolderPath)
    , m_temporaryPath(QDir(hiddenFolderPath).filePath(QFileInfo(outputPath).fileName())) {
    const QByteArray folder = QFile::encodeName(hiddenFolderPath);
    if (::mkdir(folder.constData(), 0700) != 0)
        throw systemError(errno, qtTrId("error.saveArchive"), QFileInfo(outputPath).fileName());
    ::chmod(folder.constData(), 0700);
}

PendingArchive::~PendingArchive() {
    StagingFolder::removeTree(std::filesystem::path(QFile::encodeName(m_hiddenFolderPath).toStdString()));
}

void PendingArchive::publish() {
    const int error =
        renameWithoutReplacing(QFile::encodeName(m_temporaryPath), QFile::encodeName(m_outputPath));
    if (error != 0)
        throw systemError(error, qtTrId("error.saveArchive"), QFileInfo(m_outputPath).fileName());
}

QString PendingArchive::withFinalNames(QString message) const {
    message.replace(m_temporaryPath, m_outputPath);
    // What remains names the folder itself, or the tool's own files in it.
    return message.replace(m_hiddenFolderPath, QFileInfo(m_outputPath).path());
}
