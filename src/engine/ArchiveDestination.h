#pragma once

#include <QList>
#include <QString>

#include <optional>

// Where archives go. The raw strings are stored verbatim in the settings.
enum class ArchiveDestination { sameFolder, ask, desktop, archiveFolder };

std::optional<ArchiveDestination> archiveDestinationFromRaw(const QString& raw);
QString rawValue(ArchiveDestination destination);
const QList<ArchiveDestination>& allArchiveDestinations();
