#include "app/AppDelegate.h"

#include "Translations.h"
#include "app/MainView.h"
#include "app/MainWindowController.h"
#include "support/FakeDesktopServices.h"
#include "support/FakeDialogs.h"
#include "workflow/MainModel.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestAppDelegate : public QObject {
    Q_OBJECT

private:
    FakeDialogs m_dialogs;
    FakeDesktopServices m_desktop;
    QTemporaryDir m_folder;
    std::unique_ptr<AppDelegate> m_launched;

    QString installedExecutable() const { return m_folder.filePath(QStringLiteral("usr/bin/balewick")); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
        QVERIFY(m_folder.isValid());
        QVERIFY(QDir().mkpath(m_folder.filePath(QStringLiteral("usr/bin"))));
        QFile executable(installedExecutable());
        QVERIFY(executable.open(QIODevice::WriteOnly));
        MainModel::installPorts(m_dialogs, m_desktop);
    }

    void launch_outsideApplicationsFolder_alertsAndMakesNoWindow() {
        AppDelegate delegate(m_dialogs, m_desktop);
        QVERIFY(!AppDelegate::current());
        delegate.setLaunchLocationForTesting(installedExecutable(),
                                             {m_folder.filePath(QStringLiteral("opt"))});

        QString title;
        QString message;
        QStringList buttons;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto* alert = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!alert)
                return;
            answer.stop();
            title = alert->text();
            message = alert->informativeText();
            for (QAbstractButton* button : alert->buttons())
                buttons.append(button->text());
            QCOMPARE(alert->icon(), QMessageBox::Critical);
            alert->buttons().constFirst()->click();
        });
        answer.start(20);

        QVERIFY(!delegate.applicationDidFinishLaunching());
        QCOMPARE(AppDelegate::current(), &delegate);
        QVERIFY(!delegate.windowController());
        QCOMPARE(title, qtTrId("launch.applications.title").arg(QStringLiteral("Balewick")));
        QCOMPARE(message, qtTrId("launch.applications.message").arg(QStringLiteral("Balewick")));
        QVERIFY(title.contains(QStringLiteral("Balewick")));
        QCOMPARE(buttons, QStringList{qtTrId("launch.applications.quit")});
        // The refusal asks the application's event loop to end with code 1.
        QEventLoop applicationLoop;
        QTimer::singleShot(5000, &applicationLoop, [&applicationLoop] { applicationLoop.exit(-1); });
        QCOMPARE(applicationLoop.exec(), 1);

        // Files handed over while refusing must not start a run.
        delegate.openUrls({QUrl::fromLocalFile(m_folder.filePath(QStringLiteral("missing")))});
        QTest::qWait(50);
        QVERIFY(!MainModel::shared().isBusy());
        QVERIFY(m_dialogs.errors.isEmpty());
    }

    void launch_installed_showsTheCentredMainWindow() {
        m_launched = std::make_unique<AppDelegate>(m_dialogs, m_desktop);
        m_launched->setLaunchLocationForTesting(installedExecutable(),
                                                {m_folder.filePath(QStringLiteral("usr"))});
        QVERIFY(m_launched->applicationDidFinishLaunching());
        QCOMPARE(AppDelegate::current(), m_launched.get());

        MainWindowController* window = m_launched->windowController();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Balewick"));
        QVERIFY(qobject_cast<MainView*>(window->centralWidget()));
        QCOMPARE(window->centralWidget()->size(), QSize(520, 560));
        QCOMPARE(window->minimumWidth(), 520);
        const QPoint screenCentre = window->screen()->availableGeometry().center();
        QVERIFY2((window->geometry().center() - screenCentre).manhattanLength() <= 16,
                 qPrintable(QStringLiteral("%1,%2 %3x%4 vs %5,%6")
                                .arg(window->geometry().x())
                                .arg(window->geometry().y())
                                .arg(window->width())
                                .arg(window->height())
                                .arg(screenCentre.x())
                                .arg(screenCentre.y())));
    }

    void close_hidesAndReopenBringsBackTheSameWindow() {
        QVERIFY(m_launched);
        QPointer<MainWindowController> window = m_launched->windowController();
        window->close();
        QTest::qWait(10);
        QVERIFY(window);
        QVERIFY(!window->isVisible());

        // Another window on screen: launching again leaves things as they are.
        QWidget other;
        other.show();
        m_launched->reopen();
        QVERIFY(!window->isVisible());
        other.hide();

        m_launched->reopen();
        QVERIFY(window->isVisible());
        QCOMPARE(m_launched->windowController(), window.data());
    }

    void openUrls_runsTheWorkflowWithoutShowingTheWindow() {
        QVERIFY(m_launched);
        MainWindowController* window = m_launched->windowController();
        window->hide();
        QSignalSpy finished(&MainModel::shared(), &MainModel::runFinished);
        m_launched->openUrls({QUrl::fromLocalFile(m_folder.filePath(QStringLiteral("no-such-item")))});
        QTRY_COMPARE(finished.count(), 1);
        // The missing item is reported by the workflow itself.
        QCOMPARE(m_dialogs.errors.size(), 1);
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
