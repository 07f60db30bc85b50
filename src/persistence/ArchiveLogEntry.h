#pragma once

#include "engine/ArchiveFormat.h"

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <optional>

// One archive the application made.
struct ArchiveLogEntry {
    QUuid id;
    QDateTime date;
    QString path;
    std::optional<int> format; // raw ArchiveFormat value; absent in records that do not carry it

    // The stored format when it is valid, else the one the path suggests.
    ArchiveFormat resolvedFormat() const;

    bool operator==(const ArchiveLogEntry&) const = default;
};
