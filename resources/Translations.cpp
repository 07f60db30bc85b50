#include "Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

namespace {

QString chosenLanguage = QStringLiteral("en");

QString catalogue(const QString& language) {
    return QStringLiteral(":/i18n/balewick_%1.qm").arg(language);
}

bool installFile(QCoreApplication& application, const QString& name, const QString& folder = {}) {
    auto* translator = new QTranslator(&application);
    if (translator->load(name, folder)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

} // namespace

void install(QCoreApplication& application) {
    // English first: a language catalogue installed later wins for the keys it has.
    installFile(application, catalogue(QStringLiteral("en")));

    chosenLanguage = QStringLiteral("en");
    for (const QString& tag : QLocale::system().uiLanguages()) {
        const QString language = QLocale(tag).name().section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en"))
            return;
        if (QFile::exists(catalogue(language)) && installFile(application, catalogue(language))) {
            chosenLanguage = language;
            return;
        }
    }
}

void installQt(QCoreApplication& application) {
    if (chosenLanguage != QLatin1String("en"))
        installFile(application, QStringLiteral("qtbase_") + chosenLanguage,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString loadedLanguage() {
    return chosenLanguage;
}

} // namespace Translations
