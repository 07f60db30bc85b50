#include "ArchiveDestination.h"

std::optional<ArchiveDestination> archiveDestinationFromRaw(const QString& raw) {
    for (ArchiveDestination destination : allArchiveDestinations()) {
        if (rawValue(destination) == raw)
            return destination;
    }
    return std::nullopt;
}

QString rawValue(ArchiveDestination destination) {
    switch (destination) {
    case ArchiveDestination::sameFolder:
        return QStringLiteral("sameFolder");
    case ArchiveDestination::ask:
        return QStringLiteral("ask");
    case ArchiveDestination::desktop:
        return QStringLiteral("desktop");
    case ArchiveDestination::archiveFolder:
        return QStringLiteral("archiveFolder");
    }
    return {};
}

const QList<ArchiveDestination>& allArchiveDestinations() {
    static const QList<ArchiveDestination> destinations{ArchiveDestination::sameFolder,
                                                        ArchiveDestination::ask, ArchiveDestination::desktop,
                                                        ArchiveDestination::archiveFolder};
    return destinations;
}
