#pragma once

class QCoreApplication;

namespace Translations {

// Loads the compiled catalogue for the system language, falling back to English, so qtTrId()
// answers texts. Call once after the application object exists.
void install(QCoreApplication& application);

} // namespace Translations
