#include "PendingArchive.h"

#include "SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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

PendingArchive::PendingArchive(const QString& outputPath, const QString& extension)
    : m_outputPath(outputPath) {
    const QString folder = QFileInfo(outputPath).path();
    m_temporaryPath = QDir(folder).filePath(QStringLiteral(".balewick-") +
                                            QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper() +
                                            QLatin1Char('.') + extension);
}

PendingArchive::~PendingArchive() {
    if (!m_published)
        ::unlink(QFile::encodeName(m_temporaryPath).constData());
}

void PendingArchive::publish() {
    const int error =
        renameWithoutReplacing(QFile::encodeName(m_temporaryPath), QFile::encodeName(m_outputPath));
    if (error != 0)
        throw systemError(error, qtTrId("error.saveArchive"), QFileInfo(m_outputPath).fileName());
    m_published = true;
}
