#include "LocalPath.h"

#include <QDir>
#include <QFile>

QByteArray LocalPath::fromUrl(const QUrl& url) {
    if (!url.isValid() || !url.isLocalFile() ||
        (!url.host().isEmpty() && url.host() != QLatin1String("localhost")))
        return {};
    // The encoded form keeps every byte that is not UTF-8 as its %XX.
    const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return path.contains('\0') ? QByteArray() : path;
}

QUrl LocalPath::toUrl(const QByteArray& path) {
    QUrl url;
    url.setScheme(QStringLiteral("file"));
    url.setPath(QString::fromLatin1(path.toPercentEncoding("/")), QUrl::TolerantMode);
    return url;
}

QByteArray LocalPath::cleaned(const QByteArray& path) {
    // Latin-1 maps each byte to one character and back, so QDir's rules apply to any bytes.
    return QDir::cleanPath(QString::fromLatin1(path)).toLatin1();
}

QByteArray LocalPath::fileName(const QByteArray& path) {
    const QByteArray clean = cleaned(path);
    if (clean == "/")
        return clean;
    return clean.mid(clean.lastIndexOf('/') + 1);
}

QByteArray LocalPath::folder(const QByteArray& path) {
    const QByteArray clean = cleaned(path);
    const qsizetype slash = clean.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : clean.left(slash);
}

QString LocalPath::display(const QByteArray& path) {
    return QFile::decodeName(path);
}
