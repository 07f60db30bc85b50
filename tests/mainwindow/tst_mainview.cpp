#include "Translations.h"
#include "mainwindow/DropView.h"
#include "mainwindow/MainWindowController.h"
#include "mainwindow/ResultBanner.h"
#include "support/ArchiveReading.h"
#include "support/FocusChain.h"
#include "support/MainViewHarness.h"
#include "widgets/LineLimitedLabel.h"
#include "widgets/OptionSwitch.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

std::unique_ptr<QMimeData> mimeOf(const QList<QUrl>& urls, const QString& text = {}) {
    auto data = std::make_unique<QMimeData>();
    if (!urls.isEmpty())
        data->setUrls(urls);
    if (!text.isEmpty())
        data->setText(text);
    return data;
}

QStringList fileNames(const QList<QUrl>& urls) {
    QStringList names;
    for (const QUrl& url : urls)
        names.append(url.fileName());
    return names;
}

} // namespace

class MainViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
    }

    void dropView_callsBackInOrderForLocalFilesOnly_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QStringList>("expectedCalls");
        const QUrl a = QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"));
        const QUrl b = QUrl::fromLocalFile(QStringLiteral("/tmp/folder"));
        const QUrl web(QStringLiteral("https://example.com/page.html"));
        QTest::newRow("files while disabled") << QList<QUrl>{a} << QString() << false << QStringList{};
        QTest::newRow("text only") << QList<QUrl>{} << "some words" << true << QStringList{};
        QTest::newRow("web address among files")
            << QList<QUrl>{web, b, a} << QString() << true
            << QStringList{"target true", "target false", "drop folder|a.txt"};
    }

    void dropView_callsBackInOrderForLocalFilesOnly() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        QFETCH(QStringList, expectedCalls);
        DropView view;
        view.resize(200, 200);
        view.setDropEnabled(enabled);
        QStringList calls;
        view.setOnTarget([&calls](bool on) { calls.append(on ? "target true" : "target false"); });
        view.setOnDrop([&calls](const QList<QUrl>& dropped) {
            calls.append(QStringLiteral("drop ") + fileNames(dropped).join(QLatin1Char('|')));
        });
        const auto data = mimeOf(urls, text);
        const bool entered = sendDrag(&view, QEvent::DragEnter, data.get());
        const bool dropped = entered && sendDrag(&view, QEvent::DragMove, data.get()) &&
                             sendDrag(&view, QEvent::Drop, data.get());
        QCOMPARE(calls, expectedCalls);
        QCOMPARE(entered, dropped);
        QCOMPARE(dropped, !expectedCalls.isEmpty());
    }

    // The progress display waits until the run names what it archives (not while the password sheet
    // is up); meanwhile the controls that would change the run lock, and drops are refused.
    void busyRun_locksControlsAndRefusesDrops_untilStopped() {
        MainViewHarness harness(true);
        MainWindowController window(harness.model, harness.preferences, harness.dialogs, harness.desktop);
        QVERIFY(harness.show());
        harness.preferences.setActionFormat(ArchiveFormat::encryptedZip, ArchiveAction::compress);
        harness.dialogs.confirmationAnswers.append({true, false});
        auto* dropView = harness.find<DropView>("dropView");
        const auto data = mimeOf({harness.makeFile("b.txt")});
        const auto controlsEnabled = [&](bool enabled) {
            for (const char* name : {"actionChooser", "formatPicker", "main.add"})
                QVERIFY2(harness.find(name)->isEnabled() == enabled, name);
            QCOMPARE(window.findChild<QAction*>("addAction")->isEnabled(), enabled);
            QCOMPARE(sendDrag(dropView, QEvent::DragEnter, data.get()), enabled);
            QCOMPARE(harness.model.isTargeted(), enabled);
            sendDrag(dropView, QEvent::DragLeave, data.get());
        };

        harness.model.process({harness.makeFile("a.txt")});
        harness.clock.advance(1s); // the display is due
        QTRY_VERIFY(harness.model.passwordPrompt().isShown() && harness.model.progress().showProgress());
        QVERIFY(!harness.find("progressDisplay")->isVisible());
        controlsEnabled(false);
        harness.model.passwordPrompt().setPassword(QStringLiteral("x"));
        harness.model.passwordPrompt().setConfirmPassword(QStringLiteral("x"));
        harness.model.passwordPrompt().submit();
        QTRY_VERIFY(harness.find("progressDisplay")->isVisible());
        QVERIFY(!harness.find("dropPrompt")->isVisible());
        controlsEnabled(false);

        QTest::mouseClick(harness.find("progress.stop"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!harness.model.isBusy(), 30000);
        QVERIFY(harness.dialogs.errors.isEmpty() && !harness.model.result().has_value());
        QVERIFY(harness.find("dropPrompt")->isVisible() && !harness.find("progressDisplay")->isVisible());
        controlsEnabled(true);
    }

    void chooserAndPicker_rememberFormatPerAction() {
        MainViewHarness harness;
        QVERIFY(harness.show());
        auto* picker = harness.find<QComboBox>("formatPicker");
        const auto pick = [picker](ArchiveFormat format) {
            picker->setCurrentIndex(picker->findData(rawValue(format)));
            emit picker->activated(picker->currentIndex());
        };
        QWidget* compress = harness.find("action.compress");
        QTest::mouseClick(compress, Qt::LeftButton);
        QCOMPARE(harness.preferences.selectedAction(), ArchiveAction::compress);
        pick(ArchiveFormat::bzip2);
        QTest::mouseClick(harness.find("action.archive"), Qt::LeftButton);
        QCOMPARE(harness.preferences.selectedAction(), ArchiveAction::archive);
        pick(ArchiveFormat::tar);

        QTest::mouseClick(compress, Qt::LeftButton);
        QCOMPARE(picker->currentData().toInt(), rawValue(ArchiveFormat::bzip2));
        // Read out on each segment: what it would do with the format it remembers.
        const QString archiveDescription =
            qtTrId(descriptionKey(ArchiveFormat::tar, ArchiveAction::archive).toUtf8());
        QCOMPARE(QAccessible::queryAccessibleInterface(harness.find("action.archive"))
                     ->text(QAccessible::Description),
                 archiveDescription);
        harness.preferences.setSelectedAction(ArchiveAction::archive); // as the settings would
        QCOMPARE(picker->currentData().toInt(), rawValue(ArchiveFormat::tar));
    }

    // What Tab meets, in order, and a name for a screen reader to read at each stop.
    void tabStops_inOrder_eachNamed_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("banner");
        QTest::addColumn<QStringList>("stops");
        const QStringList bar{"formatPicker", "main.add", "preferences.title", "menu.recents"};
        QTest::newRow("compress") << int(ArchiveAction::compress) << false
                                  << QStringList{"action.compress", "dropView", "general.omitFinder",
                                                 "general.omitMac", "general.trashOriginals"} +
                                         bar;
        QTest::newRow("archive, banner up")
            << int(ArchiveAction::archive) << true
            << QStringList{"action.archive", "dropView",       "archive.folder",
                           "archive.open",   "archive.change", "general.trashOriginals"} +
                   bar + QStringList{"banner.showInFinder"};
    }
    void tabStops_inOrder_eachNamed() {
        QFETCH(int, action);
        QFETCH(bool, banner);
        QFETCH(QStringList, stops);
        MainViewHarness harness;
        harness.preferences.setSelectedAction(ArchiveAction(action));
        if (banner)
            harness.model.setResult(ArchiveResult{{QUrl::fromLocalFile(QStringLiteral("/tmp/a.zip"))}});
        QVERIFY(harness.show());
        QCOMPARE(FocusChain::names(FocusChain::tabStops(&harness.view)), stops);
        QCOMPARE(FocusChain::unnamedStops(&harness.view), QStringList());
    }

    // To a screen reader the drop zone is a button; pressing it asks for files, as Space does.
    void dropZone_screenReaderPress_choosesFilesAndRuns() {
        MainViewHarness harness;
        harness.dialogs.itemAnswers.append({harness.makeFile("a.txt")});
        QAccessibleInterface* zone = QAccessible::queryAccessibleInterface(harness.find("dropView"));
        QCOMPARE(zone->role(), QAccessible::Button);
        zone->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(harness.waitForEnd(0));
        QCOMPARE(harness.outFiles(), QStringList{"a.zip"});
    }

    // A whole run with keys alone: chooser, a switch, the format menu, the add button, the name
    // sheet, the banner's button and the recents menu.
    void keyboardOnly_tarGzRun_readsTheBannerAndReveals() {
        using FocusChain::press;
        MainViewHarness harness;
        harness.preferences.setPromptForName(true);
        harness.dialogs.itemAnswers.append({harness.makeFile("Holiday.txt")});
        harness.dialogs.confirmationAnswers.append({true, false});
        QVERIFY(harness.show());
        harness.view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&harness.view));
        const auto tabTo = [](const QString& name) {
            for (int presses = 0; presses < 20; ++presses) {
                press(Qt::Key_Tab);
                if (QApplication::focusWidget() && QApplication::focusWidget()->objectName() == name)
                    return true;
            }
            return false;
        };

        QVERIFY(tabTo("action.compress"));
        press(Qt::Key_Right);
        QCOMPARE(harness.preferences.selectedAction(), ArchiveAction::email);
        press(Qt::Key_Left);
        QCOMPARE(harness.preferences.selectedAction(), ArchiveAction::compress);
        QVERIFY(tabTo("general.omitFinder"));
        press(Qt::Key_Space);
        QTRY_VERIFY(harness.preferences.omitFinderFiles());

        QVERIFY(tabTo("formatPicker"));
        press(Qt::Key_Space);
        QTRY_VERIFY(QApplication::activePopupWidget());
        auto* picker = harness.find<QComboBox>("formatPicker");
        const int steps = picker->findData(rawValue(ArchiveFormat::gzip)) - picker->currentIndex();
        QVERIFY(steps > 0);
        for (int step = 0; step < steps; ++step)
            press(Qt::Key_Down);
        press(Qt::Key_Return);
        QTRY_COMPARE(harness.preferences.actionFormat(ArchiveAction::compress), ArchiveFormat::gzip);

        QVERIFY(tabTo("main.add"));
        press(Qt::Key_Space);
        auto* sheet = harness.find<QWidget>("nameSheet");
        QTRY_VERIFY(sheet->isVisible() && QApplication::focusWidget() &&
                    QApplication::focusWidget()->objectName() == QLatin1String("name.field"));
        press(Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(harness.find("resultBanner")->isVisible(), 30000);
        QCOMPARE(harness.find<LineLimitedLabel>("bannerText")->text(),
                 qtTrId("banner.created").arg(u"Holiday.tar.gz"));
        const QString archive = harness.path(QStringLiteral("out/Holiday.tar.gz"));
        QCOMPARE(archiveMembers(archive), QByteArrayList{"Holiday.txt"});

        const QList<QUrl> made{QUrl::fromLocalFile(archive)};
        // What a window manager does when a sheet closes; the offscreen platform leaves it undone.
        harness.view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&harness.view));
        QVERIFY(tabTo("banner.showInFinder"));
        press(Qt::Key_Return);
        QCOMPARE(harness.desktop.revealed, QList<QList<QUrl>>{made});
        QVERIFY(tabTo("menu.recents"));
        press(Qt::Key_Space);
        QTRY_VERIFY(QApplication::activePopupWidget());
        press(Qt::Key_Return); // its first item, the last archive
        QTRY_COMPARE(harness.desktop.revealed, (QList<QList<QUrl>>{made, made}));
    }

    void banner_clickDismissesOrReveals_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<bool>("kept"); // two originals changed and one incomplete stayed
        QTest::newRow("one, backdrop") << QStringList{"Report.tar.gz"} << "resultBanner" << false;
        QTest::newRow("three, originals kept, show button")
            << QStringList{"a.zip", "b.zip", "c.zip"} << "banner.showInFinder" << true;
    }

    void banner_clickDismissesOrReveals() {
        QFETCH(QStringList, names);
        QFETCH(QString, clicked);
        QFETCH(bool, kept);
        ArchiveResult result;
        for (const QString& name : names)
            result.urls.append(QUrl::fromLocalFile(QStringLiteral("/tmp/") + name));
        using Reason = ArchiveResult::KeptReason;
        if (kept)
            result.kept = {{result.urls[0], Reason::changed},
                           {result.urls[1], Reason::incomplete},
                           {result.urls[2], Reason::changed}};
        MainViewHarness harness;
        QVERIFY(harness.show());
        harness.model.setResult(result);
        QVERIFY(harness.find("resultBanner")->isVisible());
        // One line with the count and each reason once.
        const auto* keptLine = harness.find<LineLimitedLabel>("bannerKept");
        QCOMPARE(keptLine->isVisible(), kept);
        if (kept) {
            QVERIFY2(keptLine->text().contains(u'3') &&
                         keptLine->text().count(qtTrId("trash.kept.changed")) == 1 &&
                         keptLine->text().count(qtTrId("trash.kept.incomplete")) == 1,
                     qPrintable(keptLine->text()));
        }
        // Clicks go where the window would send them: to the widget under the pointer.
        const QPoint inView = harness.find(clicked)->mapTo(&harness.view, QPoint(4, 4));
        QWidget* receiver = harness.view.childAt(inView);
        QVERIFY(receiver);
        QTest::mouseClick(receiver, Qt::LeftButton, {}, receiver->mapFrom(&harness.view, inView));
        QVERIFY(!harness.model.result().has_value());
        const bool reveals = clicked == QLatin1String("banner.showInFinder");
        QCOMPARE(harness.desktop.revealed, reveals ? QList<QList<QUrl>>{result.urls} : QList<QList<QUrl>>{});
        QTRY_VERIFY(!harness.find("resultBanner")->isVisible());
    }

    // A drag over the banner reaches the drop zone only above it; the drop there starts a run.
    void dropOverBanner_reachesDropZoneOnlyAboveIt() {
        MainViewHarness harness(true);
        QVERIFY(harness.show());
        harness.model.setResult(ArchiveResult{{QUrl::fromLocalFile(QStringLiteral("/tmp/a.zip"))}});
        auto* banner = harness.find<ResultBanner>("resultBanner");
        const auto data = mimeOf({harness.makeFile("b.txt")});
        const QPoint outside = harness.find("bottomBar")->geometry().center();
        const QPoint inside = harness.find("dropZone")->geometry().center();

        sendDrag(banner, QEvent::DragEnter, data.get(), outside);
        QVERIFY(!harness.model.isTargeted());
        QVERIFY(!sendDrag(banner, QEvent::DragMove, data.get(), outside));
        QVERIFY(sendDrag(banner, QEvent::DragMove, data.get(), inside));
        QVERIFY(harness.model.isTargeted());
        QVERIFY(sendDrag(banner, QEvent::Drop, data.get(), inside));
        QVERIFY(!harness.model.isTargeted() && harness.model.isBusy());
    }

    // The rule itself is the preferences' own; here each switch shows its answer, writes its
    // preference once and keeps its own suppression key.
    void switchClick_asksOnlyWhenTurningOnUnsuppressed_data() {
        QTest::addColumn<QString>("switchName");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("suppressionKey");
        QTest::addColumn<bool>("wasOn");
        QTest::addColumn<bool>("suppressed");
        QTest::addColumn<bool>("confirmed"); // with "never ask again" ticked
        const auto row = [](const char* what, const char* name, const char* property, const char* key,
                            bool wasOn, bool suppressed, bool confirmed) {
            QTest::addRow("%s %s", name, what) << name << property << key << wasOn << suppressed << confirmed;
        };
        const char* const trash[] = {"general.trashOriginals", "trashOriginals", "BWSuppressTrash"};
        row("off never asks", trash[0], trash[1], trash[2], true, false, false);
        row("on, cancelled", trash[0], trash[1], trash[2], false, false, false);
        row("never ask again", trash[0], trash[1], trash[2], false, false, true);
        row("on, suppressed", "general.omitFinder", "omitFinderFiles", "BWSuppressOmitFinder", false, true,
            false);
        row("never ask again", "general.omitMac", "omitMacMetadata", "BWSuppressOmitMac", false, false, true);
    }

    void switchClick_asksOnlyWhenTurningOnUnsuppressed() {
        QFETCH(QString, switchName);
        QFETCH(QString, property);
        QFETCH(QString, suppressionKey);
        QFETCH(bool, wasOn);
        QFETCH(bool, suppressed);
        QFETCH(bool, confirmed);

        MainViewHarness harness;
        if (suppressed)
            harness.settings.setValue(suppressionKey, true);
        const QByteArray name = property.toLatin1();
        harness.preferences.setProperty(name, wasOn);
        const QMetaProperty meta = harness.preferences.metaObject()->property(
            harness.preferences.metaObject()->indexOfProperty(name));
        // Counts writes: a switch that flips on before asking and back on cancel writes twice.
        QSignalSpy writes(&harness.preferences, "2" + meta.notifySignal().methodSignature());
        harness.dialogs.confirmationAnswers.append({confirmed, confirmed});
        auto* toggle = harness.find<OptionSwitch>(switchName);
        QTest::mouseClick(toggle, Qt::LeftButton);

        const bool expectOn = !wasOn && (suppressed || confirmed);
        QTRY_COMPARE(harness.preferences.property(name).toBool(), expectOn);
        QCOMPARE(toggle->isChecked(), expectOn);
        QCOMPARE(writes.count(), expectOn == wasOn ? 0 : 1);
        QCOMPARE(harness.dialogs.confirmationRequests.size(), !wasOn && !suppressed ? 1 : 0);
        QCOMPARE(harness.settings.value(suppressionKey).toBool(), suppressed || confirmed);
    }

    // Change: cancel keeps the folder, a choice replaces it. Open creates a missing folder, but only at
    // an absolute path (a relative one would land wherever the app was started).
    void folderButtons_changeAndOpen() {
        MainViewHarness harness;
        harness.preferences.setSelectedAction(ArchiveAction::archive);
        QVERIFY(harness.show());
        const QString before = harness.preferences.archiveFolderPath();
        QTest::mouseClick(harness.find("archive.change"), Qt::LeftButton);
        QTRY_COMPARE(harness.dialogs.folderPrompts.size(), 1);
        QCOMPARE(harness.preferences.archiveFolderPath(), before);
        const QString chosen = harness.folder.filePath(QStringLiteral("one/two/three"));
        harness.dialogs.folderAnswers.append(QUrl::fromLocalFile(chosen));
        QTest::mouseClick(harness.find("archive.change"), Qt::LeftButton);
        QTRY_COMPARE(harness.preferences.archiveFolderPath(), chosen);
        QCOMPARE(harness.find<QLineEdit>("archive.folder")->text(), chosen);
        QTest::mouseClick(harness.find("archive.open"), Qt::LeftButton);
        QVERIFY(QFileInfo(chosen).isDir());
        QCOMPARE(harness.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(chosen)});

        const QString relative = QStringLiteral("not-created-%1").arg(QCoreApplication::applicationPid());
        harness.preferences.setArchiveFolderPath(relative);
        QTest::mouseClick(harness.find("archive.open"), Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(relative));
    }

    static QWidget* openSheet(MainViewHarness& harness, ArchiveFormat format) {
        harness.preferences.setActionFormat(format, harness.preferences.selectedAction());
        harness.preferences.setPromptForName(!isEncrypted(format));
        harness.dialogs.fallbackConfirmation = {true, false};
        if (!harness.show())
            return nullptr;
        harness.model.process({harness.makeFile("Holiday.txt")});
        QWidget* sheet = harness.find(isEncrypted(format) ? "passwordSheet" : "nameSheet");
        if (!QTest::qWaitFor([sheet] { return sheet->isVisible(); }, 5000) ||
            !FocusChain::unnamedStops(sheet).isEmpty())
            return nullptr;
        return sheet;
    }

    static QString archiveMade(MainViewHarness& harness, QWidget* sheet) {
        if (!QTest::qWaitFor([&] { return !sheet->isVisible() && !harness.model.isBusy(); }, 20000) ||
            !harness.dialogs.errors.isEmpty())
            return QStringLiteral("not ended cleanly");
        const auto result = harness.model.result();
        return result ? result->urls.first().fileName() : QString();
    }

    void nameSheet_returnSubmitsTheTrimmedName() {
        MainViewHarness harness;
        QWidget* sheet = openSheet(harness, ArchiveFormat::zip);
        QVERIFY(sheet);
        auto* field = sheet->findChild<QLineEdit*>("name.field");
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("  Trip  "));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(archiveMade(harness, sheet), QStringLiteral("Trip.zip"));
    }

    void passwordSheet_refusesEmpty_thenCreates() {
        MainViewHarness harness;
        QWidget* sheet = openSheet(harness, ArchiveFormat::encryptedZip);
        QVERIFY(sheet);
        auto* error = sheet->findChild<QLabel*>("passwordError");
        auto* confirmation = sheet->findChild<QLineEdit*>("password.confirm");
        QTest::mouseClick(sheet->findChild<QPushButton*>("password.create"), Qt::LeftButton);
        QCOMPARE(error->text(), qtTrId("password.empty"));
        QVERIFY(sheet->isVisible());
        auto* password = sheet->findChild<QLineEdit*>("password.enter");
        QTest::keyClicks(password, "secret");
        QTest::keyClicks(confirmation, QStringLiteral("secret"));
        QTest::keyClick(confirmation, Qt::Key_Return);
        QCOMPARE(archiveMade(harness, sheet), QStringLiteral("Holiday.zip"));
        QVERIFY(password->text().isEmpty() && confirmation->text().isEmpty()); // nothing lingers
    }

    // Escape, the window's close button and the cancel button all answer like cancel, so the model,
    // not the view, closes the sheet.
    void passwordSheetForADiskImage_eachWayOut_endsTheRunWithoutArchive_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("escape") << 0;
        QTest::newRow("close button") << 1;
        QTest::newRow("cancel") << 2;
    }
    void passwordSheetForADiskImage_eachWayOut_endsTheRunWithoutArchive() {
        QFETCH(int, way);
        MainViewHarness harness;
        QWidget* sheet = openSheet(harness, ArchiveFormat::encryptedDiskImage);
        QVERIFY(sheet);
        if (way == 0)
            QTest::keyClick(sheet->findChild<QLineEdit*>("password.enter"), Qt::Key_Escape);
        else if (way == 1)
            sheet->close();
        else
            QTest::mouseClick(sheet->findChild<QPushButton*>("confirm.cancel"), Qt::LeftButton);
        QCOMPARE(archiveMade(harness, sheet), QString());
    }
};

QTEST_MAIN(MainViewTest)
#include "tst_mainview.moc"
