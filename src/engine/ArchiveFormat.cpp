#include "ArchiveFormat.h"

#include "FormatDescription.h"

#include <QFileInfo>

namespace {

QString stem(ArchiveFormat format) {
    return QString::fromLatin1(formatDescription(format).stem);
}

} // namespace

std::optional<ArchiveFormat> archiveFormatFromRaw(int raw) {
    if (raw < 0 || raw > rawValue(ArchiveFormat::zstd))
        return std::nullopt;
    return static_cast<ArchiveFormat>(raw);
}

const QList<ArchiveFormat>& allArchiveFormats() {
    static const QList<ArchiveFormat> formats{
        ArchiveFormat::zip,          ArchiveFormat::tar,       ArchiveFormat::gzip,
        ArchiveFormat::bzip2,        ArchiveFormat::diskImage, ArchiveFormat::encryptedDiskImage,
        ArchiveFormat::encryptedZip, ArchiveFormat::xz,        ArchiveFormat::zstd,
    };
    return formats;
}

QString titleKey(ArchiveFormat format) {
    return QStringLiteral("format.") + stem(format);
}

QString descriptionPrefix(ArchiveFormat format) {
    return QStringLiteral("desc.") + stem(format);
}

QString descriptionKey(ArchiveFormat format, ArchiveAction action) {
    return descriptionPrefix(format) + QLatin1Char('.') + actionWord(action);
}

QString fileExtension(ArchiveFormat format) {
    return QString::fromLatin1(formatDescription(format).extension);
}

bool isEncrypted(ArchiveFormat format) {
    return formatDescription(format).encrypted;
}

ArchiveFormat inferredFormat(const QString& path) {
    const QString name = QFileInfo(path).fileName().toLower();
    if (name.endsWith(QLatin1String(".tar.gz")) || name.endsWith(QLatin1String(".tgz")))
        return ArchiveFormat::gzip;
    if (name.endsWith(QLatin1String(".tar.bz2")) || name.endsWith(QLatin1String(".tbz")) ||
        name.endsWith(QLatin1String(".tbz2")))
        return ArchiveFormat::bzip2;
    if (name.endsWith(QLatin1String(".tar.xz")) || name.endsWith(QLatin1String(".txz")))
        return ArchiveFormat::xz;
    if (name.endsWith(QLatin1String(".tar.zst")) || name.endsWith(QLatin1String(".tzst")))
        return ArchiveFormat::zstd;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : name.mid(dot + 1);
    if (extension == QLatin1String("tar"))
        return ArchiveFormat::tar;
    if (extension == QLatin1String("dmg"))
        return ArchiveFormat::diskImage;
    return ArchiveFormat::zip;
}
