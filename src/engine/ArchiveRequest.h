#pragma once

#include "ArchiveFormat.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

// Everything one archive is made from, built once by the workflow and passed whole. Every field
// has a default, so that a request names only what it sets.
struct ArchiveRequest {
    // Each becomes a top-level entry, in this order.
    QList<QUrl> items{};
    // The archive file to create: a free name with the format's extension.
    QUrl output{};
    // A disk image's volume name: the chosen base name, without what made the file name free.
    QString volumeName{};
    ArchiveFormat format = ArchiveFormat::zip;
    // Required, and not empty, for the encrypted formats; ignored by the others.
    std::optional<QString> password{};
    // Leave out the files Macs leave behind (".DS_Store", "._*").
    bool omitFinderFiles = false;
    // zip only: leave out extra attributes ("-X").
    bool omitMacMetadata = false;
    // Password zips only: AES-256 rather than the traditional zip encryption.
    bool strongZipEncryption = false;
};
