// Balewick started with the user's UI language set to French speaks French, Qt's own buttons
// included, and asks the version document for French texts.
#include "Translations.h"
#include "support/MainViewHarness.h"
#include "updates/VersionChecker.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

class LanguageTest final : public QObject {
    Q_OBJECT

private slots:
    void french_mainWindowStandardButtonsAndVersionCheck() {
        QCOMPARE(Translations::loadedLanguage(), QStringLiteral("fr"));
        QCOMPARE(VersionChecker::runningLanguage(), QStringLiteral("fr"));
        MainViewHarness harness;
        QVERIFY(harness.show());
        QCOMPARE(harness.find<QLabel>("dropText")->text(),
                 QStringLiteral("Déposez des fichiers et des dossiers ici"));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&'), QStringLiteral("Annuler"));
    }
};

int main(int argc, char* argv[]) {
    // Before anything reads the system locale.
    qputenv("LANGUAGE", "fr");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    Translations::install(application);
    Translations::installQt(application);
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_language.moc"
