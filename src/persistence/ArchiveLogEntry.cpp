#include "ArchiveLogEntry.h"

ArchiveFormat ArchiveLogEntry::resolvedFormat() const {
    if (format) {
        if (const std::optional<ArchiveFormat> stored = archiveFormatFromRaw(*format))
            return *stored;
    }
    return inferredFormat(path);
}
