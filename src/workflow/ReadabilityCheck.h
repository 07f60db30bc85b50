#pragma once

#include <QList>
#include <QUrl>

// Makes sure every file and folder that goes into an archive can be read, before the engine
// stages it. Staging may hard-link a file instead of copying it, and a link needs no read
// permission; the archiving tool then fails with a message that does not name the item.
class ReadabilityCheck final {
public:
    // Throws the PlatformError of the first item that cannot be read, naming it.
    static void requireReadable(const QList<QUrl>& items, bool omitFinderFiles);
};
