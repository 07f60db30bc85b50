#include "Translations.h"
#include "app/OptionSwitch.h"
#include "app/OptionsArea.h"
#include "persistence/AppPreferences.h"
#include "support/FakeDesktopServices.h"
#include "support/FakeDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// FakeDialogs that also lets the test look at the window while a confirmation is on screen.
class WatchedDialogs final : public Dialogs {
public:
    FakeDialogs answers;
    std::function<void()> whileAsking;

    QCoro::Task<Answer> askConfirmation(Request request) override {
        if (whileAsking)
            whileAsking();
        return answers.askConfirmation(std::move(request));
    }
    QCoro::Task<> showError(QString title, QString message) override {
        return answers.showError(title, message);
    }
    QCoro::Task<QList<QUrl>> chooseItems(QString prompt) override { return answers.chooseItems(prompt); }
    QCoro::Task<QUrl> chooseFolder(QString prompt) override { return answers.chooseFolder(prompt); }
};

struct OptionsFixture {
    OptionsFixture()
        : settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)
        , preferences(&settings)
        , window(std::make_unique<QWidget>()) {
        area = new OptionsArea(preferences, dialogs, desktop, window.get());
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(area);
    }

    OptionSwitch* toggle(const QString& name) const { return area->findChild<OptionSwitch*>(name); }

    QTemporaryDir folder;
    QSettings settings;
    AppPreferences preferences;
    WatchedDialogs dialogs;
    FakeDesktopServices desktop;
    std::unique_ptr<QWidget> window;
    OptionsArea* area = nullptr;
};

bool optionValue(const AppPreferences& preferences, const QString& name) {
    if (name == QLatin1String("general.omitFinder"))
        return preferences.omitFinderFiles();
    if (name == QLatin1String("general.omitMac"))
        return preferences.omitMacMetadata();
    return preferences.trashOriginals();
}

} // namespace

class OptionsAreaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
    }

    void switchOn_asksUnlessSuppressed_data() {
        QTest::addColumn<QString>("switchName");
        QTest::addColumn<QString>("titleKey");
        QTest::addColumn<QString>("confirmKey");
        QTest::addColumn<QString>("suppressionKey");
        QTest::addColumn<bool>("suppressed");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<bool>("ticked");

        const struct {
            const char* name;
            const char* title;
            const char* confirm;
            const char* suppression;
        } switches[] = {
            {"general.omitFinder", "confirm.omitFinder.title", "confirm.omit", "BWSuppressOmitFinder"},
            {"general.omitMac", "confirm.omitMac.title", "confirm.omit", "BWSuppressOmitMac"},
            {"general.trashOriginals", "confirm.trash.title", "confirm.set", "BWSuppressTrash"},
        };
        for (const auto& entry : switches) {
            const auto row = [&](const char* what, bool suppressed, bool confirmed, bool ticked) {
                QTest::addRow("%s %s", entry.name, what)
                    << QString::fromLatin1(entry.name) << QString::fromLatin1(entry.title)
                    << QString::fromLatin1(entry.confirm) << QString::fromLatin1(entry.suppression)
                    << suppressed << confirmed << ticked;
            };
            row("confirmed", false, true, false);
            row("confirmed, never ask again", false, true, true);
            row("cancelled", false, false, false);
            row("suppressed", true, false, false);
        }
    }

    void switchOn_asksUnlessSuppressed() {
        QFETCH(QString, switchName);
        QFETCH(QString, titleKey);
        QFETCH(QString, confirmKey);
        QFETCH(QString, suppressionKey);
        QFETCH(bool, suppressed);
        QFETCH(bool, confirmed);
        QFETCH(bool, ticked);

        OptionsFixture fixture;
        if (suppressed)
            fixture.settings.setValue(suppressionKey, true);
        fixture.dialogs.answers.confirmationAnswers.append({confirmed, ticked});
        OptionSwitch* toggle = fixture.toggle(switchName);
        QVERIFY(toggle);
        bool shownOnWhileAsking = true;
        fixture.dialogs.whileAsking = [&] { shownOnWhileAsking = toggle->isChecked(); };

        QTest::mouseClick(toggle, Qt::LeftButton);

        const QList<ConfirmationAlert::Request>& requests = fixture.dialogs.answers.confirmationRequests;
        const bool expectOn = suppressed || confirmed;
        QTRY_COMPARE(optionValue(fixture.preferences, switchName), expectOn);
        QCOMPARE(toggle->isChecked(), expectOn);
        QCOMPARE(requests.size(), suppressed ? 0 : 1);
        if (!suppressed) {
            QVERIFY(!shownOnWhileAsking);
            QCOMPARE(requests.first().title, qtTrId(titleKey.toUtf8().constData()));
            QCOMPARE(requests.first().confirmButton, qtTrId(confirmKey.toUtf8().constData()));
            QCOMPARE(fixture.settings.value(suppressionKey).toBool(), confirmed && ticked);
        }
    }

    void switchOff_neverAsks_data() {
        QTest::addColumn<QString>("switchName");
        QTest::newRow("omit Finder files") << QStringLiteral("general.omitFinder");
        QTest::newRow("omit Mac metadata") << QStringLiteral("general.omitMac");
        QTest::newRow("trash originals") << QStringLiteral("general.trashOriginals");
    }

    void switchOff_neverAsks() {
        QFETCH(QString, switchName);
        OptionsFixture fixture;
        fixture.preferences.setOmitFinderFiles(true);
        fixture.preferences.setOmitMacMetadata(true);
        fixture.preferences.setTrashOriginals(true);
        OptionSwitch* toggle = fixture.toggle(switchName);
        QVERIFY(toggle->isChecked());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(!optionValue(fixture.preferences, switchName));
        QVERIFY(!toggle->isChecked());
        QVERIFY(fixture.dialogs.answers.confirmationRequests.isEmpty());
        // Keyboard: Space turns it on again, which asks (and the empty script cancels).
        toggle->setFocus();
        QTest::keyClick(toggle, Qt::Key_Space);
        QTRY_COMPARE(fixture.dialogs.answers.confirmationRequests.size(), 1);
        QVERIFY(!toggle->isChecked());
    }

    void trashSwitch_confirmedWithBoxTicked_isNotAskedAgain() {
        OptionsFixture fixture;
        fixture.dialogs.answers.confirmationAnswers.append({true, true});
        OptionSwitch* toggle = fixture.toggle(QStringLiteral("general.trashOriginals"));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QTRY_VERIFY(fixture.preferences.trashOriginals());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(!fixture.preferences.trashOriginals());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QTRY_VERIFY(fixture.preferences.trashOriginals());
        QCOMPARE(fixture.dialogs.answers.confirmationRequests.size(), 1);
    }

    void archiveAction_showsFolderBlockInsteadOfOmitSwitches() {
        OptionsFixture fixture;
        fixture.window->show();
        fixture.preferences.setOmitFinderFiles(true);
        fixture.preferences.setSelectedAction(ArchiveAction::archive);
        QVERIFY(!fixture.toggle(QStringLiteral("general.omitFinder"))->isVisible());
        QVERIFY(!fixture.toggle(QStringLiteral("general.omitMac"))->isVisible());
        QVERIFY(fixture.toggle(QStringLiteral("general.trashOriginals"))->isVisible());
        auto* location = fixture.area->findChild<QLabel*>(QStringLiteral("archive.location"));
        QVERIFY(location->isVisible());
        QCOMPARE(location->text(), qtTrId("archive.location"));
        auto* field = fixture.area->findChild<QLineEdit*>(QStringLiteral("archive.folder"));
        QCOMPARE(field->text(), fixture.preferences.archiveFolderPath());
        // The hidden options keep their values.
        QVERIFY(fixture.preferences.omitFinderFiles());

        fixture.preferences.setSelectedAction(ArchiveAction::email);
        QVERIFY(fixture.toggle(QStringLiteral("general.omitFinder"))->isVisible());
        QVERIFY(!field->isVisible());
    }

    void folderField_edits_areWrittenThrough() {
        OptionsFixture fixture;
        fixture.preferences.setSelectedAction(ArchiveAction::archive);
        fixture.window->show();
        auto* field = fixture.area->findChild<QLineEdit*>(QStringLiteral("archive.folder"));
        field->clear();
        QTest::keyClicks(field, QStringLiteral("/srv/kept"));
        QCOMPARE(fixture.preferences.archiveFolderPath(), QStringLiteral("/srv/kept"));
        QCOMPARE(fixture.settings.value(QStringLiteral("BWArchiveFolder")).toString(),
                 QStringLiteral("/srv/kept"));
    }

    void changeButton_choosesFolderOrKeepsOnCancel() {
        OptionsFixture fixture;
        fixture.preferences.setSelectedAction(ArchiveAction::archive);
        fixture.window->show();
        const QString before = fixture.preferences.archiveFolderPath();
        auto* change = fixture.area->findChild<QPushButton*>(QStringLiteral("archive.change"));
        QTest::mouseClick(change, Qt::LeftButton);
        QTRY_COMPARE(fixture.dialogs.answers.folderPrompts, QStringList{qtTrId("archive.change")});
        QCOMPARE(fixture.preferences.archiveFolderPath(), before);

        const QString chosen = fixture.folder.filePath(QStringLiteral("Chosen"));
        fixture.dialogs.answers.folderAnswers.append(QUrl::fromLocalFile(chosen));
        QTest::mouseClick(change, Qt::LeftButton);
        QTRY_COMPARE(fixture.preferences.archiveFolderPath(), chosen);
        QCOMPARE(fixture.settings.value(QStringLiteral("BWArchiveFolder")).toString(), chosen);
        QCOMPARE(fixture.area->findChild<QLineEdit*>(QStringLiteral("archive.folder"))->text(), chosen);
    }

    void openButton_createsMissingFolderThenOpensIt() {
        OptionsFixture fixture;
        const QString nested = fixture.folder.filePath(QStringLiteral("one/two/three"));
        fixture.preferences.setArchiveFolderPath(nested);
        fixture.preferences.setSelectedAction(ArchiveAction::archive);
        fixture.window->show();
        QTest::mouseClick(fixture.area->findChild<QPushButton*>(QStringLiteral("archive.open")),
                          Qt::LeftButton);
        QVERIFY(QFileInfo(nested).isDir());
        QCOMPARE(fixture.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(nested)});
    }

    void openButton_relativePath_createsNothing() {
        OptionsFixture fixture;
        const QString relative = QStringLiteral("not-created-%1").arg(QCoreApplication::applicationPid());
        fixture.preferences.setArchiveFolderPath(relative);
        fixture.area->openArchiveFolder();
        QVERIFY(!QFileInfo::exists(relative));
    }

    void archiveBlock_appearing_leavesFolderFieldWithoutFocus() {
        OptionsFixture fixture;
        fixture.window->show();
        QVERIFY(QTest::qWaitForWindowActive(fixture.window.get()));
        OptionSwitch* omitMac = fixture.toggle(QStringLiteral("general.omitMac"));
        omitMac->setFocus(Qt::TabFocusReason);
        QVERIFY(omitMac->hasFocus());
        fixture.preferences.setSelectedAction(ArchiveAction::archive);
        auto* field = fixture.area->findChild<QLineEdit*>(QStringLiteral("archive.folder"));
        // Focus handed on by the hidden switch may land in the field, text selected, as tabbing would.
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QVERIFY(field->hasFocus());
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QTRY_VERIFY(!field->hasFocus());
        QVERIFY(!field->hasSelectedText());
    }
};

QTEST_MAIN(OptionsAreaTest)
#include "tst_optionsarea.moc"
