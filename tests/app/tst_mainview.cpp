#include "MainViewHarness.h"
#include "Translations.h"
#include "app/ActionSegmentedControl.h"
#include "app/AppInfo.h"
#include "app/DropView.h"
#include "app/LineLimitedLabel.h"
#include "app/MainWindowController.h"
#include "app/OptionSwitch.h"
#include "app/ResultBanner.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
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
            mimeOf({harness.makeItem(QStringLiteral("b.txt")), harness.makeItem(QStringLiteral("a.txt")),
                    harness.makeItem(QStringLiteral("folder/"))});
        auto* dropView = harness.find<DropView>(QStringLiteral("dropView"));
        QVERIFY(sendDrag(dropView, QEvent::DragEnter, data.get()));
        QVERIFY(sendDrag(dropView, QEvent::Drop, data.get()));
        QVERIFY(harness.model->isBusy());
        QTRY_VERIFY_WITH_TIMEOUT(harness.model->result().has_value(), 20000);
        QCOMPARE(fileNames(harness.model->result()->urls), (QStringList{"b.zip", "a.zip", "folder.zip"}));
        QVERIFY(harness.dialogs.errors.isEmpty());
        QTRY_VERIFY(harness.find(QStringLiteral("resultBanner"))->isVisible());
        QCOMPARE(harness.find<LineLimitedLabel>(QStringLiteral("bannerText"))->text(),
                 qtTrId("banner.createdMany").arg(3));
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
            harness.model->process({harness.makeItem(QStringLiteral("a.txt"))});
        if (state == RunState::busyBeforeProgress)
            QTRY_VERIFY(!harness.model->progressText().isEmpty());
        if (state == RunState::busyProgressWithoutText)
            QTRY_VERIFY(harness.model->showPasswordSheet() && harness.model->showProgress());
        if (state == RunState::busyProgressWithText)
            QTRY_VERIFY(harness.model->showProgress() && !harness.model->progressText().isEmpty());
        QCOMPARE(harness.model->isBusy(), !idle);

        QCOMPARE(harness.find(QStringLiteral("progressDisplay"))->isVisible(), progressShown);
        QCOMPARE(harness.find(QStringLiteral("dropPrompt"))->isVisible(), !progressShown);
        QCOMPARE(harness.find(QStringLiteral("actionChooser"))->isEnabled(), idle);
        QCOMPARE(harness.find(QStringLiteral("formatPicker"))->isEnabled(), idle);
        QCOMPARE(harness.find(QStringLiteral("main.add"))->isEnabled(), idle);
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("addAction"))->isEnabled(), idle);
        QVERIFY(harness.find(QStringLiteral("menu.recents"))->isEnabled());
        QVERIFY(harness.find(QStringLiteral("general.trashOriginals"))->isEnabled());

        auto* dropView = harness.find<DropView>(QStringLiteral("dropView"));
        const auto data = mimeOf({harness.makeItem(QStringLiteral("b.txt"))});
        QCOMPARE(sendDrag(dropView, QEvent::DragEnter, data.get()), idle);
        QCOMPARE(harness.model->isTargeted(), idle);
        sendDrag(dropView, QEvent::DragLeave, data.get());
        QVERIFY(!harness.model->isTargeted());

        if (progressShown) {
            QCOMPARE(harness.find<QLabel>(QStringLiteral("progressText"))->text(),
                     harness.model->progressText());
            QTest::mouseClick(harness.find(QStringLiteral("progress.stop")), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!harness.model->isBusy(), 10000);
            QVERIFY(harness.dialogs.errors.isEmpty());
            QVERIFY(!harness.model->result().has_value());
            QVERIFY(harness.find(QStringLiteral("dropPrompt"))->isVisible());
        }
    }

    void chooserAndPicker_rememberFormatPerAction() {
        MainViewHarness harness;
        QVERIFY(harness.show());
        auto* picker = harness.find<QComboBox>(QStringLiteral("formatPicker"));
        const auto pick = [picker](ArchiveFormat format) {
            picker->setCurrentIndex(picker->findData(rawValue(format)));
            emit picker->activated(picker->currentIndex());
        };
        QWidget* compress = harness.find(QStringLiteral("action.compress"));
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
        QCOMPARE(harness.find<LineLimitedLabel>(QStringLiteral("description"))->text(),
                 qtTrId("desc.bzip2.compress"));
        // A change made elsewhere (the settings, another window) shows at once.
        harness.preferences->setSelectedAction(ArchiveAction::archive);
        QCOMPARE(picker->currentData().toInt(), rawValue(ArchiveFormat::tar));
        QCOMPARE(harness.find<ActionSegmentedControl>(QStringLiteral("actionChooser"))->selection(),
                 ArchiveAction::archive);
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
            QApplication::processEvents();
            int previousBottom = -1;
            for (const QString& name : order) {
                QWidget* child = harness.find(name);
                QVERIFY2(child && child->isVisible(), qPrintable(name));
                const QRect geometry = child->geometry();
                QVERIFY2(geometry.top() > previousBottom, qPrintable(name));
                QVERIFY2(harness.view->rect().contains(geometry), qPrintable(name));
                QVERIFY2(geometry.height() >= child->minimumSizeHint().height(), qPrintable(name));
                previousBottom = geometry.bottom();
            }
            QWidget* prompt = harness.find(QStringLiteral("dropPrompt"));
            QVERIFY(prompt->height() >= prompt->minimumSizeHint().height());
            QVERIFY(harness.find(QStringLiteral("dropZone"))->rect().contains(prompt->geometry()));
        }
    }

    void banner_namesOneArchiveOrCountsSeveral_data() {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one") << QStringList{"/tmp/out/Report.tar.gz"}
                             << qtTrId("banner.created").arg(QStringLiteral("Report.tar.gz"));
        QTest::newRow("three") << QStringList{"/tmp/a.zip", "/tmp/b.zip", "/tmp/c.zip"}
                               << qtTrId("banner.createdMany").arg(3);
    }

    void banner_namesOneArchiveOrCountsSeveral() {
        QFETCH(QStringList, paths);
        QFETCH(QString, expected);
        ArchiveResult result;
        for (const QString& path : paths)
            result.urls.append(QUrl::fromLocalFile(path));
        MainViewHarness harness;
        QVERIFY(harness.show());
        harness.model->setResult(result);
        QVERIFY(harness.find(QStringLiteral("resultBanner"))->isVisible());
        QCOMPARE(harness.find<LineLimitedLabel>(QStringLiteral("bannerText"))->text(), expected);
    }

    void banner_clickDismisses_showButtonAlsoReveals_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("backdrop") << QStringLiteral("resultBanner");
        QTest::newRow("text") << QStringLiteral("bannerText");
        QTest::newRow("panel") << QStringLiteral("bannerPanel");
        QTest::newRow("show button") << QStringLiteral("banner.showInFinder");
    }

    void banner_clickDismisses_showButtonAlsoReveals() {
        QFETCH(QString, target);
        MainViewHarness harness;
        QVERIFY(harness.show());
        const QList<QUrl> urls{QUrl::fromLocalFile(QStringLiteral("/tmp/a.zip")),
                               QUrl::fromLocalFile(QStringLiteral("/tmp/b.zip"))};
        harness.model->setResult(ArchiveResult{urls});
        // Clicks go where the window would send them: to the widget under the pointer.
        const QPoint inView = harness.find(target)->mapTo(harness.view.get(), QPoint(4, 4));
        QWidget* receiver = harness.view->childAt(inView);
        QVERIFY(receiver);
        QTest::mouseClick(receiver, Qt::LeftButton, {}, receiver->mapFrom(harness.view.get(), inView));
        QVERIFY(!harness.model->result().has_value());
        QCOMPARE(harness.desktop.revealed, target == QLatin1String("banner.showInFinder")
                                               ? QList<QList<QUrl>>{urls}
                                               : QList<QList<QUrl>>{});
        QTRY_VERIFY(!harness.find(QStringLiteral("resultBanner"))->isVisible());
    }

    void dragOverBanner_reachesDropZoneOnlyAboveIt() {
        MainViewHarness harness;
        QVERIFY(harness.show());
        harness.model->setResult(ArchiveResult{{QUrl::fromLocalFile(QStringLiteral("/tmp/a.zip"))}});
        auto* banner = harness.find<ResultBanner>(QStringLiteral("resultBanner"));
        const auto data = mimeOf({harness.makeItem(QStringLiteral("next.txt"))});
        const QPoint outside = harness.find(QStringLiteral("bottomBar"))->geometry().center();
        const QPoint inside = harness.find(QStringLiteral("dropZone"))->geometry().center();

        sendDrag(banner, QEvent::DragEnter, data.get(), outside);
        QVERIFY(!harness.model->isTargeted());
        QVERIFY(!sendDrag(banner, QEvent::DragMove, data.get(), outside));
        QVERIFY(sendDrag(banner, QEvent::DragMove, data.get(), inside));
        QVERIFY(harness.model->isTargeted());
        QVERIFY(!sendDrag(banner, QEvent::DragMove, data.get(), outside));
        QVERIFY(!harness.model->isTargeted());
        QVERIFY(sendDrag(banner, QEvent::DragMove, data.get(), inside));
        QVERIFY(sendDrag(banner, QEvent::Drop, data.get(), inside));
        QVERIFY(!harness.model->isTargeted());
        QTRY_VERIFY_WITH_TIMEOUT(harness.model->result().has_value() &&
                                     harness.model->result()->urls.first().fileName() == "next.zip",
                                 20000);
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
        harness.model->process({harness.makeItem(QStringLiteral("Holiday.txt"))});
        QWidget* sheet = harness.find(isEncrypted(format) ? "passwordSheet" : "nameSheet");
        QTRY_VERIFY(sheet->isVisible());
        QCOMPARE(sheet->findChild<QLabel*>(QStringLiteral("sheetTitle"))->text(),
                 qtTrId(titleKey.toUtf8().constData()));
        QTest::keyClick(sheet, Qt::Key_Escape);
        sheet->close();
        QVERIFY(sheet->isVisible());

        if (answer == SheetAnswer::returnKey) {
            auto* field = sheet->findChild<QLineEdit*>(QStringLiteral("name.field"));
            QCOMPARE(field->text(), harness.model->proposedName());
            harness.model->setProposedName(QStringLiteral("a/b"));
            QTest::mouseClick(sheet->findChild<QPushButton*>(QStringLiteral("name.ok")), Qt::LeftButton);
            QVERIFY(sheet->isVisible());
            field->selectAll();
            QTest::keyClicks(field, QStringLiteral("  Trip  "));
            QTest::keyClick(field, Qt::Key_Return);
        } else if (answer == SheetAnswer::cancel) {
            QTest::mouseClick(sheet->findChild<QPushButton*>(QStringLiteral("confirm.cancel")),
                              Qt::LeftButton);
        } else {
            harness.model->stop();
        }
        QTRY_VERIFY(!sheet->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!harness.model->isBusy(), 20000);
        const auto result = harness.model->result();
        QCOMPARE(result ? result->urls.first().fileName() : QString(), archive);
        QVERIFY(harness.dialogs.errors.isEmpty());
    }

    void passwordSheet_showsErrorsUntilPasswordsMatch() {
        MainViewHarness harness;
        harness.preferences->setActionFormat(ArchiveFormat::encryptedZip,
                                             harness.preferences->selectedAction());
        harness.dialogs.confirmationAnswers.append({true, false});
        QVERIFY(harness.show());
        harness.model->process({harness.makeItem(QStringLiteral("Holiday.txt"))});
        QWidget* sheet = harness.find(QStringLiteral("passwordSheet"));
        QTRY_VERIFY(sheet->isVisible());
        auto* password = sheet->findChild<QLineEdit*>(QStringLiteral("password.enter"));
        auto* confirmation = sheet->findChild<QLineEdit*>(QStringLiteral("password.confirm"));
        auto* error = sheet->findChild<QLabel*>(QStringLiteral("passwordError"));
        auto* create = sheet->findChild<QPushButton*>(QStringLiteral("password.create"));
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QVERIFY(!error->isVisible());

        QTest::mouseClick(create, Qt::LeftButton);
        QVERIFY(error->isVisible());
        QCOMPARE(error->text(), qtTrId("password.empty"));
        QTest::keyClicks(password, QStringLiteral("secret"));
        QTest::keyClicks(confirmation, QStringLiteral("secreT"));
        QTest::mouseClick(create, Qt::LeftButton);
        QCOMPARE(error->text(), qtTrId("password.mismatch"));
        QVERIFY(sheet->isVisible());

        QTest::keyClick(confirmation, Qt::Key_Backspace);
        QTest::keyClicks(confirmation, QStringLiteral("t"));
        QTest::keyClick(confirmation, Qt::Key_Return);
        QTRY_VERIFY(!sheet->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(harness.model->result().has_value(), 20000);
    }

    void recentsMenu_whileBusy_offersShowLastWhichRunsAfterwards() {
        MainViewHarness harness(true);
        QVERIFY(harness.show());
        harness.model->process({harness.makeItem(QStringLiteral("a.txt"))});
        QTRY_VERIFY(harness.model->isBusy());
        QTest::mouseClick(harness.find(QStringLiteral("menu.recents")), Qt::LeftButton);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions().first()->text(), qtTrId("menu.showLast"));
        menu->actions().first()->trigger();
        // The model is asked on the next turn of the event loop, not inside the menu.
        QVERIFY(harness.dialogs.errors.isEmpty());
        QTRY_COMPARE(harness.dialogs.errorMessages(), QStringList{qtTrId("error.noLast")});
        menu->close();
    }

    void windowMenus_askForItemsAndOpenTheMakersPages() {
        MainViewHarness harness;
        MainWindowController window(*harness.model, *harness.preferences, harness.dialogs, harness.desktop);
        window.findChild<QAction*>(QStringLiteral("addAction"))->trigger();
        QTRY_COMPARE(harness.dialogs.itemPrompts, QStringList{qtTrId("main.add")});
        for (const char* name : {"helpAction", "supportAction", "siteAction"})
            window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
        const QString host = webHost();
        QCOMPARE(harness.desktop.opened,
                 (QList<QUrl>{QUrl(host + QStringLiteral("/support/balewick")),
                              QUrl(host + QStringLiteral("/support/")), QUrl(host + QStringLiteral("/"))}));
    }

    void pageUrl_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("expected"); // empty: the item does nothing
        QTest::newRow("plain host") << "https://balewick.example"
                                    << "https://balewick.example/support/";
        QTest::newRow("trailing slash") << "https://balewick.example/"
                                        << "https://balewick.example/support/";
        QTest::newRow("port") << "http://127.0.0.1:8080"
                              << "http://127.0.0.1:8080/support/";
        QTest::newRow("no scheme") << "balewick.example"
                                   << "";
        QTest::newRow("space in the host") << "https://bale wick.example"
                                           << "";
        QTest::newRow("empty host") << ""
                                    << "";
    }

    void pageUrl() {
        QFETCH(QString, host);
        QFETCH(QString, expected);
        const std::optional<QUrl> url = MainWindowController::pageUrl(host, QStringLiteral("/support/"));
        QCOMPARE(url ? url->toString() : QString(), expected);
    }
};

QTEST_MAIN(MainViewTest)
#include "tst_mainview.moc"
