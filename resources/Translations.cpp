#include "Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace Translations {

void install(QCoreApplication& application)
{
    // English first: a language catalogue installed later wins for the keys it has.
    auto* english = new QTranslator(&application);
    if (english->load(QStringLiteral(":/i18n/balewick_en.qm")))
        QCoreApplication::installTranslator(english);
    else
        delete english;

    auto* local = new QTranslator(&application);
    if (local->load(QLocale(), QStringLiteral("balewick"), QStringLiteral("_"), QStringLiteral(":/i18n"))
        && local->language() != QLatin1String("en"))
        QCoreApplication::installTranslator(local);
    else
        delete local;
}

} // namespace Translations
