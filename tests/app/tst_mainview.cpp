#include "MainViewHarness.h"
#include "Translations.h"
#include "app/ActionSegmentButton.h"
#include "app/ActionSegmentedControl.h"
#include "app/DropView.h"
#include "app/LineLimitedLabel.h"
#include "app/OptionSwitch.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

// The states of a run that the main window distinguishes.
enum class RunState { idle, busyBeforeProgress, busyProgressWithoutText, busyProgressWithText };

} // namespace

Q_DECLARE_METATYPE(RunState)

class MainViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
    }

    void busyState_decidesDisplayDropsAndControls_data() {
        QTest::addColumn<RunState>("state");
        QTest::addColumn<bool>("progressShown");
        QTest::addColumn<bool>("controlsEnabled");

        QTest::newRow("not busy") << RunState::idle << false << true;
        QTest::newRow("busy, progress not yet shown") << RunState::busyBeforeProgress << false << false;
        QTest::newRow("busy, progress without text") << RunState::busyProgressWithoutText << false << false;
        QTest::newRow("busy, progress with text") << RunState::busyProgressWithText << true << false;
    }

    void busyState_decidesDisplayDropsAndControls() {
        QFETCH(RunState, state);
        QFETCH(bool, progressShown);
        QFETCH(bool, controlsEnabled);

        MainViewHarness harness(true);
        harness.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(harness.view.get()));
        switch (state) {
        case RunState::idle:
            break;
        case RunState::busyBeforeProgress:
            harness.model->setProgressDelay(1h);
            harness.model->process({harness.makeItem(QStringLiteral("a.txt"))});
            QTRY_VERIFY(!harness.model->progressText().isEmpty());
            QVERIFY(!harness.model->showProgress());
            break;
        case RunState::busyProgressWithoutText:
            // The run waits at the password sheet before it names any archive.
            harness.model->setProgressDelay(0ms);
            harness.preferences->setActionFormat(ArchiveFormat::encryptedZip, ArchiveAction::compress);
            harness.dialogs.confirmationAnswers.append({true, false});
            harness.model->process({harness.makeItem(QStringLiteral("a.txt"))});
            QTRY_VERIFY(harness.model->showPasswordSheet());
            QTRY_VERIFY(harness.model->showProgress());
            QVERIFY(harness.model->progressText().isEmpty());
            break;
        case RunState::busyProgressWithText:
            harness.model->setProgressDelay(0ms);
            harness.model->process({harness.makeItem(QStringLiteral("a.txt"))});
            QTRY_VERIFY(harness.model->showProgress() && !harness.model->progressText().isEmpty());
            break;
        }
        QCOMPARE(harness.model->isBusy(), state != RunState::idle);

        auto* prompt = harness.find<QWidget>(QStringLiteral("dropPrompt"));
        auto* progress = harness.find<QWidget>(QStringLiteral("progressDisplay"));
        QCOMPARE(progress->isVisible(), progressShown);
        QCOMPARE(prompt->isVisible(), !progressShown);
        QCOMPARE(harness.find<DropView>(QStringLiteral("dropView"))->isDropEnabled(), controlsEnabled);
        QCOMPARE(harness.find<ActionSegmentedControl>(QStringLiteral("actionChooser"))->isEnabled(),
                 controlsEnabled);
        QCOMPARE(harness.find<QComboBox>(QStringLiteral("formatPicker"))->isEnabled(), controlsEnabled);
        QCOMPARE(harness.find<QToolButton>(QStringLiteral("main.add"))->isEnabled(), controlsEnabled);
        // These stay usable whatever the run does.
        QVERIFY(harness.find<QToolButton>(QStringLiteral("menu.recents"))->isEnabled());
        QVERIFY(harness.find<OptionSwitch>(QStringLiteral("general.trashOriginals"))->isEnabled());
        if (progressShown) {
            QCOMPARE(harness.find<QLabel>(QStringLiteral("progressText"))->text(),
                     harness.model->progressText());
            QVERIFY(harness.find<QPushButton>(QStringLiteral("progress.stop"))->isEnabled());
        }
    }

    void stopButton_duringRun_endsItWithoutMessage() {
        MainViewHarness harness(true);
        harness.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(harness.view.get()));
        harness.model->setProgressDelay(0ms);
        harness.model->process({harness.makeItem(QStringLiteral("a.txt"))});
        auto* stop = harness.find<QPushButton>(QStringLiteral("progress.stop"));
        QTRY_VERIFY(stop->isVisible());
        QTest::mouseClick(stop, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!harness.model->isBusy(), 10000);
        QVERIFY(harness.dialogs.errors.isEmpty());
        QVERIFY(!harness.model->result().has_value());
        QVERIFY(harness.find<QWidget>(QStringLiteral("dropPrompt"))->isVisible());
    }

    void chooser_clickAndKeys_writeSelectedAction() {
        MainViewHarness harness;
        harness.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(harness.view.get()));
        auto* chooser = harness.find<ActionSegmentedControl>(QStringLiteral("actionChooser"));
        auto* email = harness.find<ActionSegmentButton>(QStringLiteral("action.email"));
        QTest::mouseClick(email, Qt::LeftButton);
        QCOMPARE(harness.preferences->selectedAction(), ArchiveAction::email);
        QVERIFY(email->isChecked());

        email->setFocus(Qt::TabFocusReason);
        QTest::keyClick(email, Qt::Key_Right);
        QCOMPARE(harness.preferences->selectedAction(), ArchiveAction::archive);
        QCOMPARE(chooser->selection(), ArchiveAction::archive);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(harness.preferences->selectedAction(), ArchiveAction::email);

        // A change made elsewhere (the settings, another window) shows at once.
        harness.preferences->setSelectedAction(ArchiveAction::compress);
        QVERIFY(harness.find<ActionSegmentButton>(QStringLiteral("action.compress"))->isChecked());
        QCOMPARE(chooser->selection(), ArchiveAction::compress);
    }

    void formatRow_remembersFormatPerAction_andDescriptionFollows() {
        MainViewHarness harness;
        auto* picker = harness.find<QComboBox>(QStringLiteral("formatPicker"));
        auto* description = harness.find<LineLimitedLabel>(QStringLiteral("description"));
        QCOMPARE(picker->count(), 7);
        for (int index = 0; index < picker->count(); ++index)
            QVERIFY2(!picker->itemText(index).startsWith(QLatin1String("format.")),
                     qPrintable(picker->itemText(index)));

        harness.preferences->setSelectedAction(ArchiveAction::compress);
        picker->setCurrentIndex(picker->findData(rawValue(ArchiveFormat::bzip2)));
        emit picker->activated(picker->currentIndex());
        QCOMPARE(harness.preferences->actionFormat(ArchiveAction::compress), ArchiveFormat::bzip2);
        QCOMPARE(description->text(), qtTrId("desc.bzip2.compress"));

        harness.preferences->setActionFormat(ArchiveFormat::tar, ArchiveAction::archive);
        harness.preferences->setSelectedAction(ArchiveAction::archive);
        QCOMPARE(picker->currentData().toInt(), rawValue(ArchiveFormat::tar));
        QCOMPARE(description->text(), qtTrId("desc.tar.archive"));
        QVERIFY(!description->text().startsWith(QLatin1String("desc.")));

        harness.preferences->setSelectedAction(ArchiveAction::compress);
        QCOMPARE(picker->currentData().toInt(), rawValue(ArchiveFormat::bzip2));
        QCOMPARE(harness.preferences->actionFormat(ArchiveAction::archive), ArchiveFormat::tar);
    }

    void minimumSize_laysOutAllChildrenTopToBottom() {
        MainViewHarness harness;
        harness.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(harness.view.get()));
        for (const ArchiveAction action : allArchiveActions()) {
            harness.preferences->setSelectedAction(action);
            harness.view->resize(520, 520);
            QTRY_COMPARE(harness.view->size(), QSize(520, 520));
            QApplication::processEvents();
            const QStringList order{"actionChooser", "description", "dropZone", "optionsArea",
                                    "formatRow",     "divider",     "bottomBar"};
            int previousBottom = -1;
            for (const QString& name : order) {
                auto* child = harness.find<QWidget>(name);
                QVERIFY2(child && child->isVisible(), qPrintable(name));
                const QRect geometry = child->geometry();
                QVERIFY2(geometry.top() > previousBottom, qPrintable(name));
                QVERIFY2(harness.view->rect().contains(geometry), qPrintable(name));
                QVERIFY2(geometry.height() >= child->minimumSizeHint().height(), qPrintable(name));
                previousBottom = geometry.bottom();
            }
            // The drop prompt fits in what is left for the drop zone.
            auto* prompt = harness.find<QWidget>(QStringLiteral("dropPrompt"));
            QVERIFY(prompt->height() >= prompt->minimumSizeHint().height());
            QVERIFY(harness.find<QWidget>(QStringLiteral("dropZone"))->rect().contains(prompt->geometry()));
        }
    }

    void addButton_asksForItemsWithLocalisedPrompt() {
        MainViewHarness harness;
        QTest::mouseClick(harness.find<QToolButton>(QStringLiteral("main.add")), Qt::LeftButton);
        QTRY_COMPARE(harness.dialogs.itemPrompts, QStringList{qtTrId("main.add")});
        QVERIFY(!harness.model->isBusy());
    }

    void recentsMenu_whileBusy_offersShowLastWhichRunsAfterwards() {
        MainViewHarness harness(true);
        harness.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(harness.view.get()));
        harness.model->process({harness.makeItem(QStringLiteral("a.txt"))});
        QTRY_VERIFY(harness.model->isBusy());

        QTest::mouseClick(harness.find<QToolButton>(QStringLiteral("menu.recents")), Qt::LeftButton);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.first()->text(), qtTrId("menu.showLast"));
        QVERIFY(actions.first()->shortcut().isEmpty());
        actions.first()->trigger();
        // The command returns at once; the model is asked on the next turn of the event loop.
        QVERIFY(harness.dialogs.errors.isEmpty());
        QTRY_COMPARE(harness.dialogs.errorMessages(), QStringList{qtTrId("error.noLast")});
        menu->close();
    }
};

QTEST_MAIN(MainViewTest)
#include "tst_mainview.moc"
