#pragma once

#include <QString>

class QCoreApplication;

namespace Translations {

// Loads the catalogue of the first of the system's preferred UI languages that Balewick ships,
// over English, so qtTrId() answers in that language. Call once after the application object exists.
void install(QCoreApplication& application);

// Qt's own translations for the language install() chose, for the standard dialogs' buttons. Not
// needed by the first window, so called once it is up.
void installQt(QCoreApplication& application);

// The language install() chose ("fr", "ja", ...); "en" before it ran or without a match.
QString loadedLanguage();

} // namespace Translations
