#pragma once

#include "ArchiveAction.h"

#include <QList>
#include <QString>

#include <optional>

// The kinds of archive Balewick makes, in the order pickers list them. The integer values are
// stored in the settings and the archive log.
enum class ArchiveFormat {
    zip = 0,
    tar = 1,
    gzip = 2,
    bzip2 = 3,
    diskImage = 4,
    encryptedDiskImage = 5,
    encryptedZip = 6,
    xz = 7,
    zstd = 8,
};

std::optional<ArchiveFormat> archiveFormatFromRaw(int raw);
inline int rawValue(ArchiveFormat format) {
    return static_cast<int>(format);
}
const QList<ArchiveFormat>& allArchiveFormats();

// Localisation key of the format's display name ("format.zip").
QString titleKey(ArchiveFormat format);
// "desc." followed by the format's stem ("desc.zip").
QString descriptionPrefix(ArchiveFormat format);
// The key that explains what an action does with a format ("desc.zip.compress").
QString descriptionKey(ArchiveFormat format, ArchiveAction action);
// Appended to an archive's base name, without the dot ("zip", "tar.gz").
QString fileExtension(ArchiveFormat format);
bool isEncrypted(ArchiveFormat format);

// The format of an existing archive, judged by its file name only; never an encrypted format.
ArchiveFormat inferredFormat(const QString& path);
