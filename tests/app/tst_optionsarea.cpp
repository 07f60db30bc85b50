#include "Translations.h"
#include "app/OptionSwitch.h"
#include "app/OptionsArea.h"
#include "persistence/AppPreferences.h"
#include "support/FakeDesktopServices.h"
#include "support/FakeDialogs.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

namespace {

struct OptionsFixture {
    OptionsFixture()
        : settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)
        , preferences(&settings)
        , area(new OptionsArea(preferences, dialogs, desktop, &window)) {
        (new QVBoxLayout(&window))->addWidget(area);
    }

    template <typename T = OptionSwitch> T* find(const QString& name) const {
        return area->findChild<T*>(name);
    }

    QTemporaryDir folder;
    QSettings settings;
    AppPreferences preferences;
    FakeDialogs dialogs;
    FakeDesktopServices desktop;
    QWidget window;
    OptionsArea* area;
};

} // namespace

class OptionsAreaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
    }

    void switchClick_asksOnlyWhenTurningOnUnsuppressed_data() {
        QTest::addColumn<QString>("switchName");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("titleKey");
        QTest::addColumn<QString>("suppressionKey");
        QTest::addColumn<bool>("wasOn");
        QTest::addColumn<bool>("suppressed");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<bool>("ticked");

        const char* const switches[][4] = {
            {"general.omitFinder", "omitFinderFiles", "confirm.omitFinder.title", "BWSuppressOmitFinder"},
            {"general.omitMac", "omitMacMetadata", "confirm.omitMac.title", "BWSuppressOmitMac"},
            {"general.trashOriginals", "trashOriginals", "confirm.trash.title", "BWSuppressTrash"},
        };
        for (const auto& entry : switches) {
            const auto row = [&](const char* what, bool wasOn, bool suppressed, bool confirmed, bool ticked) {
                QTest::addRow("%s %s", entry[0], what) << entry[0] << entry[1] << entry[2] << entry[3]
                                                       << wasOn << suppressed << confirmed << ticked;
            };
            row("off never asks", true, false, false, false);
            row("on, confirmed", false, false, true, false);
            row("on, confirmed, never ask again", false, false, true, true);
            row("on, cancelled", false, false, false, false);
            row("on, suppressed", false, true, false, false);
        }
    }

    void switchClick_asksOnlyWhenTurningOnUnsuppressed() {
        QFETCH(QString, switchName);
        QFETCH(QString, property);
        QFETCH(QString, titleKey);
        QFETCH(QString, suppressionKey);
        QFETCH(bool, wasOn);
        QFETCH(bool, suppressed);
        QFETCH(bool, confirmed);
        QFETCH(bool, ticked);

        OptionsFixture fixture;
        if (suppressed)
            fixture.settings.setValue(suppressionKey, true);
        const QByteArray name = property.toLatin1();
        fixture.preferences.setProperty(name, wasOn);
        const QMetaProperty meta = fixture.preferences.metaObject()->property(
            fixture.preferences.metaObject()->indexOfProperty(name));
        // Counts writes: a switch that flips on before asking and back on cancel writes twice.
        QSignalSpy writes(&fixture.preferences, "2" + meta.notifySignal().methodSignature());
        fixture.dialogs.confirmationAnswers.append({confirmed, ticked});
        OptionSwitch* toggle = fixture.find(switchName);
        QCOMPARE(toggle->isChecked(), wasOn);

        QTest::mouseClick(toggle, Qt::LeftButton);

        const bool expectOn = !wasOn && (suppressed || confirmed);
        const bool asks = !wasOn && !suppressed;
        QTRY_COMPARE(fixture.preferences.property(name).toBool(), expectOn);
        QCOMPARE(toggle->isChecked(), expectOn);
        QCOMPARE(writes.count(), expectOn == wasOn ? 0 : 1);
        const auto& requests = fixture.dialogs.confirmationRequests;
        QCOMPARE(requests.size(), asks ? 1 : 0);
        if (asks) {
            QCOMPARE(requests.first().title, qtTrId(titleKey.toUtf8().constData()));
            QCOMPARE(fixture.settings.value(suppressionKey).toBool(), confirmed && ticked);
        }
    }

    void changeButton_choosesFolderOrKeepsOnCancel() {
        OptionsFixture fixture;
        fixture.preferences.setSelectedAction(ArchiveAction::archive);
        fixture.window.show();
        const QString before = fixture.preferences.archiveFolderPath();
        auto* change = fixture.find<QPushButton>("archive.change");
        QTest::mouseClick(change, Qt::LeftButton);
        QTRY_COMPARE(fixture.dialogs.folderPrompts.size(), 1);
        QCOMPARE(fixture.preferences.archiveFolderPath(), before);

        const QString chosen = fixture.folder.filePath(QStringLiteral("Chosen"));
        fixture.dialogs.folderAnswers.append(QUrl::fromLocalFile(chosen));
        QTest::mouseClick(change, Qt::LeftButton);
        QTRY_COMPARE(fixture.preferences.archiveFolderPath(), chosen);
        QCOMPARE(fixture.find<QLineEdit>("archive.folder")->text(), chosen);
    }

    void openButton_createsMissingFolderOnlyForAbsolutePaths_data() {
        QTest::addColumn<bool>("absolute");
        QTest::newRow("absolute, nested") << true;
        QTest::newRow("relative") << false;
    }

    void openButton_createsMissingFolderOnlyForAbsolutePaths() {
        QFETCH(bool, absolute);
        OptionsFixture fixture;
        const QString path = absolute
                                 ? fixture.folder.filePath(QStringLiteral("one/two/three"))
                                 : QStringLiteral("not-created-%1").arg(QCoreApplication::applicationPid());
        fixture.preferences.setArchiveFolderPath(path);
        fixture.preferences.setSelectedAction(ArchiveAction::archive);
        fixture.window.show();
        QTest::mouseClick(fixture.find<QPushButton>("archive.open"), Qt::LeftButton);
        QCOMPARE(QFileInfo(path).isDir(), absolute);
        if (absolute)
            QCOMPARE(fixture.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    }
};

QTEST_MAIN(OptionsAreaTest)
#include "tst_optionsarea.moc"
