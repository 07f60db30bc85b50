#include "Translations.h"
#include "app/AppDelegate.h"
#include "app/RecentsMenu.h"
#include "app/RecentsMenuActions.h"
#include "log/LogWindow.h"
#include "support/FakeDesktopServices.h"
#include "support/FakeDialogs.h"
#include "workflow/MainModel.h"

#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<LogWindow*> visibleLogWindows() {
    QList<LogWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<LogWindow*>(widget); window && window->isVisible())
            windows.append(window);
    }
    return windows;
}

} // namespace

// The recents pop-up and the log window that the shell keeps.
class RecentsMenuTest final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_standardFolder;
    FakeDialogs m_dialogs;
    FakeDesktopServices m_desktop;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_standardFolder.path());
        Translations::install(*QCoreApplication::instance());
        MainModel::installPorts(m_dialogs, m_desktop);
    }

    void secondItem_opensTheLogWindow() {
        RecentsMenuActions actions(MainModel::shared(), m_desktop);
        std::unique_ptr<QMenu> menu(RecentsMenu::build(actions, nullptr));
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(1)->objectName(), QStringLiteral("menu.showLog"));
        QCOMPARE(items.at(1)->text(), qtTrId("menu.showLog"));
        QVERIFY(visibleLogWindows().isEmpty());
        items.at(1)->trigger();
        QTRY_COMPARE(visibleLogWindows().size(), 1);
        visibleLogWindows().first()->close();
    }

    void delegate_keepsOneLogWindow() {
        AppDelegate delegate(m_dialogs, m_desktop);
        QVERIFY(!delegate.logWindow());
        delegate.showLogWindow();
        LogWindow* window = delegate.logWindow();
        QVERIFY(window && window->isVisible());
        window->close();
        delegate.showLogWindow();
        QCOMPARE(delegate.logWindow(), window);
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(RecentsMenuTest)
#include "tst_recentsmenu.moc"
