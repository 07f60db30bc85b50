#include "AlreadyCompressed.h"

#include <QFileInfo>

const QSet<QString>& alreadyCompressedExtensions() {
    static const QSet<QString> extensions{
        QStringLiteral("zip"), QStringLiteral("tar"), QStringLiteral("gz"),   QStringLiteral("tgz"),
        QStringLiteral("bz2"), QStringLiteral("tbz"), QStringLiteral("tbz2"), QStringLiteral("dmg"),
        QStringLiteral("xz"),  QStringLiteral("7z"),
    };
    return extensions;
}

bool isAlreadyCompressed(const QUrl& item) {
    const QFileInfo info(item.toLocalFile());
    if (info.isDir())
        return false;
    return alreadyCompressedExtensions().contains(info.suffix().toLower());
}
