#include "AlreadyCompressed.h"

#include "LocalPath.h"

#include <QFileInfo>

#include <sys/stat.h>

const QSet<QString>& alreadyCompressedExtensions() {
    static const QSet<QString> extensions{
        QStringLiteral("zip"),  QStringLiteral("tar"), QStringLiteral("gz"),   QStringLiteral("tgz"),
        QStringLiteral("bz2"),  QStringLiteral("tbz"), QStringLiteral("tbz2"), QStringLiteral("dmg"),
        QStringLiteral("xz"),   QStringLiteral("7z"),  QStringLiteral("txz"),  QStringLiteral("zst"),
        QStringLiteral("tzst"),
    };
    return extensions;
}

bool isAlreadyCompressed(const QUrl& item) {
    const QByteArray path = LocalPath::fromUrl(item);
    struct stat info {};
    if (::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return false;
    return alreadyCompressedExtensions().contains(QFileInfo(LocalPath::display(path)).suffix().toLower());
}
