#include "AlreadyCompressed.h"

#include "LocalPath.h"
#include "toolsupport/CompressedExtensions.h"

#include <QFileInfo>

#include <sys/stat.h>

const QSet<QString>& alreadyCompressedExtensions() {
    static const QSet<QString> extensions = [] {
        QSet<QString> set;
        for (const std::string_view extension : compressedExtensions)
            set.insert(QString::fromLatin1(extension.data(), qsizetype(extension.size())));
        return set;
    }();
    return extensions;
}

bool isAlreadyCompressed(const QUrl& item) {
    const QByteArray path = LocalPath::fromUrl(item);
    struct stat info {};
    if (::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return false;
    return alreadyCompressedExtensions().contains(QFileInfo(LocalPath::display(path)).suffix().toLower());
}
