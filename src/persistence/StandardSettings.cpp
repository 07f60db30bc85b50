#include "StandardSettings.h"

#include <QSettings>

QSettings& standardSettings() {
    // Never destroyed: it must outlive every store that points at it, and each write is already
    // synced to the file.
    static QSettings* const settings = new QSettings(QStringLiteral("Balewick"), QStringLiteral("Balewick"));
    return *settings;
}
