#include "ToolEnvironment.h"

#include <unistd.h>

namespace {

bool isKept(const QByteArray& name) {
    static const QByteArrayList kept{"PATH", "HOME", "TMPDIR", "LANG", "LANGUAGE"};
    return kept.contains(name) || name.startsWith("LC_");
}

} // namespace

QByteArrayList toolEnvironment() {
    QByteArrayList entries;
    for (char** variable = environ; *variable; ++variable) {
        const QByteArray entry(*variable);
        const qsizetype equals = entry.indexOf('=');
        if (equals > 0 && isKept(entry.left(equals)))
            entries.append(entry);
    }
    return entries;
}
