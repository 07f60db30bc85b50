#pragma once

#include <QString>

class QCoreApplication;

namespace Translations {

// Loads the catalogue of the first of the system's preferred UI languages that Balewick ships,
// over English, and Qt's own translations for it, so qtTrId() and the standard dialogs answer in
// that language. Call once after the application object exists.
void install(QCoreApplication& application);

// The language install() chose ("fr", "ja", ...); "en" before it ran or without a match.
QString loadedLanguage();

} // namespace Translations
