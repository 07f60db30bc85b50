#include "Translations.h"
#include "persistence/AppPreferences.h"
#include "persistence/TemporarySettings.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsView.h"
#include "settings/UpdatesSettingsView.h"
#include "support/FocusChain.h"
#include "widgets/OptionSwitch.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

// The settings window over a settings file of its own.
class SettingsWindowTest final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TemporarySettings> m_store;
    std::unique_ptr<AppPreferences> m_preferences;
    std::unique_ptr<SettingsModel> m_model;
    std::unique_ptr<SettingsView> m_window;

    void open(const QVariantMap& stored = {}) {
        m_store = std::make_unique<TemporarySettings>();
        m_store->seed(stored);
        m_preferences = std::make_unique<AppPreferences>(m_store->settings());
        m_model = std::make_unique<SettingsModel>(*m_store->settings());
        m_window = std::make_unique<SettingsView>(*m_model, *m_preferences);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    QString storedPane() { return m_store->reopenFromDisk()->value("BWSelectedPane").toString(); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
    }

    void cleanup() { m_window.reset(); }

    // Each pane, and the tabs that switch panes, can be read out stop by stop.
    void everyTabStopOfEachPane_isNamed_data() {
        QTest::addColumn<QString>("pane");
        QTest::addColumn<QStringList>("stops");
        QTest::newRow("general") << "GeneralPane"
                                 << QStringList{"settingsTabBar",        "general.destination",
                                                "general.promptForName", "general.skipArchives",
                                                "general.individual",    "general.resetDialogs"};
        QTest::newRow("updates") << "UpdatesPane"
                                 << QStringList{"settingsTabBar", "updates.automatic",
                                                "updates.manual.button"};
    }
    void everyTabStopOfEachPane_isNamed() {
        QFETCH(QString, pane);
        QFETCH(QStringList, stops);
        open({{"BWSelectedPane", pane}});
        QCOMPARE(FocusChain::names(FocusChain::tabStops(m_window.get())), stops);
        QCOMPARE(FocusChain::unnamedStops(m_window.get()), QStringList());
    }

    void switchingPanes_storesAtOnceAndRefitsWithTheTopEdgeKept() {
        open();
        QTRY_COMPARE(m_window->minimumHeight(), SettingsView::minimumContentHeight);
        const int top = m_window->geometry().top();
        const int generalHeight = m_window->height();

        m_window->findChild<QTabWidget*>()->setCurrentIndex(1);
        QCOMPARE(storedPane(), QStringLiteral("UpdatesPane"));
        QTRY_VERIFY(m_window->height() != generalHeight);
        QCOMPARE(m_window->geometry().top(), top);
        QCOMPARE(m_window->height(), m_window->layout()->totalHeightForWidth(m_window->width()));
    }

    void general_switchesAndPickerWriteThrough_resetKeepsOptions() {
        open({{"BWSuppressTrash", true}, {"BWTrashOriginals", true}});
        auto* picker = m_window->findChild<QComboBox*>("general.destination");
        picker->setCurrentIndex(2);
        emit picker->activated(2);
        QTest::mouseClick(m_window->findChild<OptionSwitch*>("general.individual"), Qt::LeftButton);

        QTest::mouseClick(m_window->findChild<QPushButton*>("general.resetDialogs"), Qt::LeftButton);
        const std::unique_ptr<QSettings> stored = m_store->reopenFromDisk();
        QCOMPARE(stored->value("BWDestination").toString(), QStringLiteral("desktop"));
        QVERIFY(!stored->contains("BWSuppressTrash")); // which keys go is the preferences' own test
        QCOMPARE(stored->value("BWTrashOriginals").toBool(), true);
        QCOMPARE(stored->value("BWIndividualArchives").toBool(), true);
    }

    void updatesPane_opensAsStored_andFollowsEveryFinishedCheck() {
        open({{"BWSelectedPane", "UpdatesPane"}});
        QCOMPARE(m_window->findChild<QTabWidget*>()->currentIndex(), 1);
        UpdatesSettingsView* pane = m_window->updatesPane();
        auto* status = pane->findChild<QLabel*>("updates.status");
        auto* details = pane->findChild<QLabel*>("updates.details");
        auto* button = pane->findChild<QPushButton*>("updates.manual.button");
        QSignalSpy requested(pane, &UpdatesSettingsView::checkRequested);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(requested.size(), 1);
        QVERIFY(pane->isChecking() && !button->isEnabled());
        // Only the busy indicator shows on the button now; it keeps its name.
        QCOMPARE(FocusChain::unnamedStops(m_window.get()), QStringList());

        // A check from the menu finishing, after a successful read of the document.
        const QDateTime when(QDate(2026, 3, 14), QTime(9, 26));
        m_store->settings()->setValue("BWAutoCheckLastDate", when);
        // The version comes from the network: shown as written (as a screen reader reads it).
        pane->versionCheckDidFinish({{"latestVersion", "<b>3.1</b>"}, {"requestedByUser", true}});
        QVERIFY(!pane->isChecking() && button->isEnabled());
        QVERIFY(status->text().contains(QLocale().toString(when.date(), QLocale::LongFormat)));
        QCOMPARE(QAccessible::queryAccessibleInterface(details)->text(QAccessible::Name),
                 qtTrId("updates.newVersion").arg("<b>3.1</b>"));

        pane->versionCheckDidFinish({{"error", "timed out"}, {"requestedByUser", false}});
        QVERIFY(details->isHidden() && !status->isHidden());
    }
};

QTEST_MAIN(SettingsWindowTest)
#include "tst_settingswindow.moc"
