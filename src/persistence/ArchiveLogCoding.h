#pragma once

#include "ArchiveLogEntry.h"

#include <QByteArray>
#include <QList>

#include <optional>

// The stored form of the archive log: a compact JSON array of entry objects with "id" (upper-case
// UUID), "date" (seconds since 2001-01-01 00:00:00 UTC), "path" and an optional integer "format".
// Other builds and tools read and write the same bytes.
namespace ArchiveLogCoding {

QByteArray encode(const QList<ArchiveLogEntry>& entries);
// No value when the bytes are not such an array or any entry is malformed: the log is read whole
// or not at all.
std::optional<QList<ArchiveLogEntry>> decode(const QByteArray& bytes);

// 2001-01-01 00:00:00 UTC, the instant the stored dates count from.
QDateTime referenceDate();

} // namespace ArchiveLogCoding
