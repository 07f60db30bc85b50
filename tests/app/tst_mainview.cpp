#include "MainViewHarness.h"
#include "Translations.h"
#include "app/DropView.h"
#include "app/MainWindowController.h"
#include "app/ResultBanner.h"
#include "widgets/LineLimitedLabel.h"
#include "widgets/OptionSwitch.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

enum class Enabled { yes, no, untilEntered };
enum class RunState { idle, busyBeforeProgress, busyProgressWithoutText, busyProgressWithText };
enum class SheetAnswer { returnKey, cancel, stop };

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

Q_DECLARE_METATYPE(Enabled)
Q_DECLARE_METATYPE(RunState)
Q_DECLARE_METATYPE(SheetAnswer)

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
        QTest::addColumn<Enabled>("enabled");
        QTest::addColumn<bool>("dropIt");
        QTest::addColumn<QStringList>("expectedCalls");

        const QUrl a = QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"));
        const QUrl b = QUrl::fromLocalFile(QStringLiteral("/tmp/folder"));
        const QUrl web(QStringLiteral("https://example.com/page.html"));
        const QStringList entered{"target true", "target false"};

        QTest::newRow("files dropped") << QList<QUrl>{a, b} << QString() << Enabled::yes << true
                                       << entered + QStringList{"drop a.txt|folder"};
        QTest::newRow("files enter and leave")
            << QList<QUrl>{a, b} << QString() << Enabled::yes << false << entered;
        QTest::newRow("files while disabled")
            << QList<QUrl>{a} << QString() << Enabled::no << true << QStringList{};
        QTest::newRow("disabled after entering")
            << QList<QUrl>{a} << QString() << Enabled::untilEntered << true << entered;
        QTest::newRow("text only") << QList<QUrl>{} << "some words" << Enabled::yes << true << QStringList{};
        QTest::newRow("web address only")
            << QList<QUrl>{web} << QString() << Enabled::yes << true << QStringList{};
        QTest::newRow("web address among files") << QList<QUrl>{web, b, a} << QString() << Enabled::yes
                                                 << true << entered + QStringList{"drop folder|a.txt"};
    }

    void dropView_callsBackInOrderForLocalFilesOnly() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        QFETCH(Enabled, enabled);
        QFETCH(bool, dropIt);
        QFETCH(QStringList, expectedCalls);

        DropView view;
        view.resize(200, 200);
        view.setDropEnabled(enabled != Enabled::no);
        QStringList calls;
        view.setOnTarget([&calls](bool on) { calls.append(on ? "target true" : "target false"); });
        view.setOnDrop([&calls](const QList<QUrl>& dropped) {
            calls.append(QStringLiteral("drop ") + fileNames(dropped).join(QLatin1Char('|')));
        });
        const auto data = mimeOf(urls, text);
        const bool entered = sendDrag(&view, QEvent::DragEnter, data.get());
        if (entered)
            sendDrag(&view, QEvent::DragMove, data.get());
        if (enabled == Enabled::untilEntered)
            view.setDropEnabled(false);
        const bool dropped =
            entered && sendDrag(&view, dropIt ? QEvent::Drop : QEvent::DragLeave, data.get());
        QCOMPARE(calls, expectedCalls);
        QCOMPARE(entered, !expectedCalls.isEmpty());
        QCOMPARE(dropped && dropIt, expectedCalls.size() == 3);
    }

    void dropSeveralItems_makesOneRunOverAllInOrder() {
        MainViewHarness harness;
        QVERIFY(harness.show());
        harness.preferences->setIndividualArchives(true);
        harness.preferences->setSelectedAction(ArchiveAction::archive);
        const auto data =
            mimeOf({harness.makeItem("b.txt"), harness.makeItem("a.txt"), harness.makeItem("folder/")});
        auto* dropView = harness.find<DropView>("dropView");
        QVERIFY(sendDrag(dropView, QEvent::DragEnter, data.get()));
        QVERIFY(sendDrag(dropView, QEvent::Drop, data.get()));
        QVERIFY(harness.model->isBusy());
        QTRY_VERIFY_WITH_TIMEOUT(harness.model->result().has_value(), 20000);
        QCOMPARE(fileNames(harness.model->result()->urls), (QStringList{"b.zip", "a.zip", "folder.zip"}));
        QVERIFY(harness.dialogs.errors.isEmpty());
        QTRY_VERIFY(harness.find("resultBanner")->isVisible());
        QCOMPARE(harness.find<LineLimitedLabel>("bannerText")->text(), qtTrId("banner.createdMany").arg(3));
    }

    void busyState_decidesDisplayDropsAndControls_data() {
        QTest::addColumn<RunState>("state");
        QTest::addColumn<bool>("progressShown");
        QTest::addColumn<bool>("idle");

        QTest::newRow("not busy") << RunState::idle << false << true;
        QTest::newRow("busy, progress not yet shown") << RunState::busyBeforeProgress << false << false;
        QTest::newRow("busy, progress without text") << RunState::busyProgressWithoutText << false << false;
        QTest::newRow("busy, progress with text") << RunState::busyProgressWithText << true << false;
    }

    void busyState_decidesDisplayDropsAndControls() {
        QFETCH(RunState, state);
        QFETCH(bool, progressShown);
        QFETCH(bool, idle);

        MainViewHarness harness(true);
        MainWindowController window(*harness.model, *harness.preferences, harness.dialogs, harness.desktop);
        QVERIFY(harness.show());
        harness.model->setProgressDelay(state == RunState::busyBeforeProgress ? 1h : 0ms);
        if (state == RunState::busyProgressWithoutText) {
            // The run waits at the password sheet before it names any archive.
            harness.preferences->setActionFormat(ArchiveFormat::encryptedZip, ArchiveAction::compress);
            harness.dialogs.confirmationAnswers.append({true, false});
        }
        if (state != RunState::idle)
            harness.model->process({harness.makeItem("a.txt")});
        if (state == RunState::busyBeforeProgress)
            QTRY_VERIFY(!harness.model->progressText().isEmpty());
        if (state == RunState::busyProgressWithoutText)
            QTRY_VERIFY(harness.model->showPasswordSheet() && harness.model->showProgress());
        if (state == RunState::busyProgressWithText)
            QTRY_VERIFY(harness.model->showProgress() && !harness.model->progressText().isEmpty());
        QCOMPARE(harness.model->isBusy(), !idle);

        QCOMPARE(harness.find("progressDisplay")->isVisible(), progressShown);
        QCOMPARE(harness.find("dropPrompt")->isVisible(), !progressShown);
        QCOMPARE(harness.find("actionChooser")->isEnabled(), idle);
        QCOMPARE(harness.find("formatPicker")->isEnabled(), idle);
        QCOMPARE(harness.find("main.add")->isEnabled(), idle);
        QCOMPARE(window.findChild<QAction*>("addAction")->isEnabled(), idle);
        QVERIFY(harness.find("menu.recents")->isEnabled());
        QVERIFY(harness.find("general.trashOriginals")->isEnabled());

        auto* dropView = harness.find<DropView>("dropView");
        const auto data = mimeOf({harness.makeItem("b.txt")});
        QCOMPARE(sendDrag(dropView, QEvent::DragEnter, data.get()), idle);
        QCOMPARE(harness.model->isTargeted(), idle);
        sendDrag(dropView, QEvent::DragLeave, data.get());
        QVERIFY(!harness.model->isTargeted());

        if (progressShown) {
            QTest::mouseClick(harness.find("progress.stop"), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!harness.model->isBusy(), 10000);
            QVERIFY(harness.dialogs.errors.isEmpty());
            QVERIFY(!harness.model->result().has_value());
            QVERIFY(harness.find("dropPrompt")->isVisible());
        }
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
        QCOMPARE(harness.preferences->selectedAction(), ArchiveAction::compress);
        pick(ArchiveFormat::bzip2);
        // The chooser takes arrow keys: right of compress is email, then archive.
        compress->setFocus(Qt::TabFocusReason);
        QTest::keyClick(compress, Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(harness.preferences->selectedAction(), ArchiveAction::archive);
        pick(ArchiveFormat::tar);

        QTest::mouseClick(compress, Qt::LeftButton);
        QCOMPARE(picker->currentData().toInt(), rawValue(ArchiveFormat::bzip2));
        QCOMPARE(harness.find<LineLimitedLabel>("description")->text(), qtTrId("desc.bzip2.compress"));
        harness.preferences->setSelectedAction(ArchiveAction::archive); // as the settings would
        QCOMPARE(picker->currentData().toInt(), rawValue(ArchiveFormat::tar));
    }

    void minimumSize_laysOutAllChildrenTopToBottom() {
        MainViewHarness harness;
        QVERIFY(harness.show());
        const QStringList order{"actionChooser", "description", "dropZone", "optionsArea",
                                "formatRow",     "divider",     "bottomBar"};
        for (const ArchiveAction action : allArchiveActions()) {
            harness.preferences->setSelectedAction(action);
            harness.view->resize(520, 520);
            QTRY_COMPARE(harness.view->size(), QSize(520, 520));
            // The layout settles through posted events, so wait for it rather than sample it once.
            const auto firstMisplaced = [&]() -> QString {
                int previousBottom = -1;
                for (const QString& name : order) {
                    QWidget* child = harness.find(name);
                    if (!child || !child->isVisible())
                        return name + QStringLiteral(" hidden");
                    const QRect geometry = child->geometry();
                    if (geometry.top() <= previousBottom || !harness.view->rect().contains(geometry) ||
                        geometry.height() < child->minimumSizeHint().height())
                        return name;
                    previousBottom = geometry.bottom();
                }
                return {};
            };
            QTRY_COMPARE(firstMisplaced(), QString());
            QWidget* prompt = harness.find("dropPrompt");
            QVERIFY(prompt->height() >= prompt->minimumSizeHint().height());
            QVERIFY(harness.find("dropZone")->rect().contains(prompt->geometry()));
        }
    }

    void banner_namesArchives_clickDismissesOrReveals_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("clicked");

        const QString one = qtTrId("banner.created").arg(QStringLiteral("Report.tar.gz"));
        const QString three = qtTrId("banner.createdMany").arg(3);
        QTest::newRow("one, backdrop") << QStringList{"Report.tar.gz"} << one << "resultBanner";
        QTest::newRow("one, text") << QStringList{"Report.tar.gz"} << one << "bannerText";
        QTest::newRow("one, panel") << QStringList{"Report.tar.gz"} << one << "bannerPanel";
        QTest::newRow("three, show button")
            << QStringList{"a.zip", "b.zip", "c.zip"} << three << "banner.showInFinder";
    }

    void banner_namesArchives_clickDismissesOrReveals() {
        QFETCH(QStringList, names);
        QFETCH(QString, expected);
        QFETCH(QString, clicked);
        ArchiveResult result;
        for (const QString& name : names)
            result.urls.append(QUrl::fromLocalFile(QStringLiteral("/tmp/") + name));
        MainViewHarness harness;
        QVERIFY(harness.show());
        harness.model->setResult(result);
        QVERIFY(harness.find("resultBanner")->isVisible());
        QCOMPARE(harness.find<LineLimitedLabel>("bannerText")->text(), expected);
        // Clicks go where the window would send them: to the widget under the pointer.
        const QPoint inView = harness.find(clicked)->mapTo(harness.view.get(), QPoint(4, 4));
        QWidget* receiver = harness.view->childAt(inView);
        QVERIFY(receiver);
        QTest::mouseClick(receiver, Qt::LeftButton, {}, receiver->mapFrom(harness.view.get(), inView));
        QVERIFY(!harness.model->result().has_value());
        const bool reveals = clicked == QLatin1String("banner.showInFinder");
        QCOMPARE(harness.desktop.revealed, reveals ? QList<QList<QUrl>>{result.urls} : QList<QList<QUrl>>{});
        QTRY_VERIFY(!harness.find("resultBanner")->isVisible());
    }

    void dragOverBanner_reachesDropZoneOnlyAboveIt() {
        MainViewHarness harness;
        QVERIFY(harness.show());
        harness.model->setResult(ArchiveResult{{QUrl::fromLocalFile(QStringLiteral("/tmp/a.zip"))}});
        auto* banner = harness.find<ResultBanner>("resultBanner");
        const auto data = mimeOf({harness.makeItem("next.txt")});
        const QPoint outside = harness.find("bottomBar")->geometry().center();
        const QPoint inside = harness.find("dropZone")->geometry().center();

        sendDrag(banner, QEvent::DragEnter, data.get(), outside);
        QVERIFY(!harness.model->isTargeted());
        QVERIFY(!sendDrag(banner, QEvent::DragMove, data.get(), outside));
        QVERIFY(sendDrag(banner, QEvent::DragMove, data.get(), inside));
        QVERIFY(harness.model->isTargeted());
        QVERIFY(sendDrag(banner, QEvent::Drop, data.get(), inside));
        QVERIFY(!harness.model->isTargeted());
        QTRY_VERIFY_WITH_TIMEOUT(harness.model->result().has_value() &&
                                     harness.model->result()->urls.first().fileName() == "next.zip",
                                 20000);
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

        MainViewHarness harness;
        if (suppressed)
            harness.settings->setValue(suppressionKey, true);
        const QByteArray name = property.toLatin1();
        harness.preferences->setProperty(name, wasOn);
        const QMetaProperty meta = harness.preferences->metaObject()->property(
            harness.preferences->metaObject()->indexOfProperty(name));
        // Counts writes: a switch that flips on before asking and back on cancel writes twice.
        QSignalSpy writes(harness.preferences.get(), "2" + meta.notifySignal().methodSignature());
        harness.dialogs.confirmationAnswers.append({confirmed, ticked});
        OptionSwitch* toggle = harness.find<OptionSwitch>(switchName);
        QCOMPARE(toggle->isChecked(), wasOn);

        QTest::mouseClick(toggle, Qt::LeftButton);

        const bool expectOn = !wasOn && (suppressed || confirmed);
        const bool asks = !wasOn && !suppressed;
        QTRY_COMPARE(harness.preferences->property(name).toBool(), expectOn);
        QCOMPARE(toggle->isChecked(), expectOn);
        QCOMPARE(writes.count(), expectOn == wasOn ? 0 : 1);
        const auto& requests = harness.dialogs.confirmationRequests;
        QCOMPARE(requests.size(), asks ? 1 : 0);
        if (asks) {
            QCOMPARE(requests.first().title, qtTrId(titleKey.toUtf8().constData()));
            QCOMPARE(harness.settings->value(suppressionKey).toBool(), confirmed && ticked);
        }
    }

    void changeButton_cancelKeepsFolder_choiceReplacesIt() {
        MainViewHarness harness;
        harness.preferences->setSelectedAction(ArchiveAction::archive);
        QVERIFY(harness.show());
        const QString before = harness.preferences->archiveFolderPath();
        QTest::mouseClick(harness.find("archive.change"), Qt::LeftButton);
        QTRY_COMPARE(harness.dialogs.folderPrompts.size(), 1);
        QCOMPARE(harness.preferences->archiveFolderPath(), before);
        const QString chosen = harness.folder.filePath(QStringLiteral("Chosen"));
        harness.dialogs.folderAnswers.append(QUrl::fromLocalFile(chosen));
        QTest::mouseClick(harness.find("archive.change"), Qt::LeftButton);
        QTRY_COMPARE(harness.preferences->archiveFolderPath(), chosen);
        QCOMPARE(harness.find<QLineEdit>("archive.folder")->text(), chosen);
    }

    void openButton_createsMissingFolderOnlyForAbsolutePaths_data() {
        QTest::addColumn<bool>("absolute");
        QTest::newRow("absolute, nested") << true;
        QTest::newRow("relative") << false;
    }

    void openButton_createsMissingFolderOnlyForAbsolutePaths() {
        QFETCH(bool, absolute);
        MainViewHarness harness;
        const QString path = absolute
                                 ? harness.folder.filePath(QStringLiteral("one/two/three"))
                                 : QStringLiteral("not-created-%1").arg(QCoreApplication::applicationPid());
        harness.preferences->setArchiveFolderPath(path);
        harness.preferences->setSelectedAction(ArchiveAction::archive);
        QVERIFY(harness.show());
        QTest::mouseClick(harness.find<QPushButton>("archive.open"), Qt::LeftButton);
        QCOMPARE(QFileInfo(path).isDir(), absolute);
        if (absolute)
            QCOMPARE(harness.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    }
    void sheet_closesOnlyThroughModelOperations_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<QString>("titleKey");
        QTest::addColumn<SheetAnswer>("answer");
        QTest::addColumn<QString>("archive"); // empty: the run ends without one

        QTest::newRow("name sheet, Return submits the trimmed name")
            << ArchiveFormat::zip << "name.archive" << SheetAnswer::returnKey << "Trip.zip";
        QTest::newRow("name sheet, cancel")
            << ArchiveFormat::zip << "name.archive" << SheetAnswer::cancel << "";
        QTest::newRow("name sheet for a disk image, stop")
            << ArchiveFormat::diskImage << "name.dmg" << SheetAnswer::stop << "";
        QTest::newRow("password sheet, Return creates the archive")
            << ArchiveFormat::encryptedZip << "password.title.zip" << SheetAnswer::returnKey << "Holiday.zip";
        QTest::newRow("password sheet for zip, cancel")
            << ArchiveFormat::encryptedZip << "password.title.zip" << SheetAnswer::cancel << "";
        QTest::newRow("password sheet for a disk image, stop")
            << ArchiveFormat::encryptedDiskImage << "password.title.dmg" << SheetAnswer::stop << "";
    }

    void sheet_closesOnlyThroughModelOperations() {
        QFETCH(ArchiveFormat, format);
        QFETCH(QString, titleKey);
        QFETCH(SheetAnswer, answer);
        QFETCH(QString, archive);

        MainViewHarness harness;
        harness.preferences->setActionFormat(format, harness.preferences->selectedAction());
        harness.preferences->setPromptForName(!isEncrypted(format));
        if (isEncrypted(format))
            harness.dialogs.confirmationAnswers.append({true, false});
        QVERIFY(harness.show());
        harness.model->process({harness.makeItem("Holiday.txt")});
        QWidget* sheet = harness.find(isEncrypted(format) ? "passwordSheet" : "nameSheet");
        QTRY_VERIFY(sheet->isVisible());
        QCOMPARE(sheet->findChild<QLabel*>("sheetTitle")->text(), qtTrId(titleKey.toUtf8().constData()));
        QTest::keyClick(sheet, Qt::Key_Escape);
        sheet->close();
        QVERIFY(sheet->isVisible());

        if (answer == SheetAnswer::returnKey && isEncrypted(format)) {
            auto* error = sheet->findChild<QLabel*>("passwordError");
            auto* confirmation = sheet->findChild<QLineEdit*>("password.confirm");
            QTest::mouseClick(sheet->findChild<QPushButton*>("password.create"), Qt::LeftButton);
            QCOMPARE(error->text(), qtTrId("password.empty"));
            QTest::keyClicks(sheet->findChild<QLineEdit*>("password.enter"), "secret");
            QTest::keyClicks(confirmation, QStringLiteral("secreT"));
            QTest::keyClick(confirmation, Qt::Key_Return);
            QCOMPARE(error->text(), qtTrId("password.mismatch"));
            QVERIFY(sheet->isVisible());
            QTest::keyClick(confirmation, Qt::Key_Backspace);
            QTest::keyClicks(confirmation, QStringLiteral("t"));
            QTest::keyClick(confirmation, Qt::Key_Return);
        } else if (answer == SheetAnswer::returnKey) {
            auto* field = sheet->findChild<QLineEdit*>("name.field");
            QCOMPARE(field->text(), harness.model->proposedName());
            harness.model->setProposedName(QStringLiteral("a/b"));
            QTest::mouseClick(sheet->findChild<QPushButton*>("name.ok"), Qt::LeftButton);
            QVERIFY(sheet->isVisible());
            field->selectAll();
            QTest::keyClicks(field, QStringLiteral("  Trip  "));
            QTest::keyClick(field, Qt::Key_Return);
        } else if (answer == SheetAnswer::cancel) {
            QTest::mouseClick(sheet->findChild<QPushButton*>("confirm.cancel"), Qt::LeftButton);
        } else {
            harness.model->stop();
        }
        QTRY_VERIFY(!sheet->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!harness.model->isBusy(), 20000);
        const auto result = harness.model->result();
        QCOMPARE(result ? result->urls.first().fileName() : QString(), archive);
        QVERIFY(harness.dialogs.errors.isEmpty());
    }
};

QTEST_MAIN(MainViewTest)
#include "tst_mainview.moc"
