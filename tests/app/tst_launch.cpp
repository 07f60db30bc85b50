#include "Translations.h"
#include "app/AppDelegate.h"
#include "app/CommandLineFiles.h"
#include "app/LaunchLocation.h"
#include "app/MainView.h"
#include "app/MainWindowController.h"
#include "support/FakeDesktopServices.h"
#include "support/FakeDialogs.h"
#include "workflow/MainModel.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class LaunchTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_root;
    FakeDialogs m_dialogs;
    FakeDesktopServices m_desktop;
    std::unique_ptr<AppDelegate> m_launched;

    QString path(const QString& relative) const {
        return relative.isEmpty() ? relative : m_root.filePath(relative);
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
        for (const char* executable :
             {"usr/bin/balewick", "opt/balewick/bin/balewick", "home/.local/bin/balewick",
              "usr2/bin/balewick", "build/src/balewick"}) {
            QVERIFY(QDir().mkpath(QFileInfo(path(executable)).absolutePath()));
            QFile file(path(executable));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir().mkpath(path("home/bin")));
        QVERIFY(QFile::link(path("usr/bin/balewick"), path("home/bin/balewick")));
        QVERIFY(QFile::link(path("build/src/balewick"), path("usr/bin/balewick-dev")));
        QVERIFY(QFile::link(path("usr"), path("usrlink")));
        MainModel::installPorts(m_dialogs, m_desktop);
    }

    void isInApplicationsFolder_data() {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<bool>("inside");

        const QStringList standard{"usr", "opt", "home/.local"};
        QTest::newRow("inside /usr") << "usr/bin/balewick" << standard << true;
        QTest::newRow("inside /opt") << "opt/balewick/bin/balewick" << standard << true;
        QTest::newRow("inside ~/.local") << "home/.local/bin/balewick" << standard << true;
        QTest::newRow("/usr2 only starts like /usr") << "usr2/bin/balewick" << standard << false;
        QTest::newRow("build tree") << "build/src/balewick" << standard << false;
        QTest::newRow("symlink into /usr") << "home/bin/balewick" << standard << true;
        QTest::newRow("symlink in /usr to a build tree") << "usr/bin/balewick-dev" << standard << false;
        QTest::newRow("through a symlinked folder") << "usrlink/bin/balewick" << standard << true;
        QTest::newRow("dot-dot out of /usr") << "usr/../usr2/bin/balewick" << standard << false;
        QTest::newRow("folder given through a symlink")
            << "usr/bin/balewick" << QStringList{"usrlink"} << true;
        QTest::newRow("no folders") << "usr/bin/balewick" << QStringList{} << false;
        // An empty entry must not turn into "/" and admit every path.
        QTest::newRow("empty folder entry") << "usr/bin/balewick" << QStringList{""} << false;
    }

    void isInApplicationsFolder() {
        QFETCH(QString, executable);
        QFETCH(QStringList, folders);
        QFETCH(bool, inside);
        for (QString& folder : folders)
            folder = path(folder);
        QCOMPARE(LaunchLocation::isInApplicationsFolder(path(executable), folders), inside);
    }

    void commandLineFiles_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("absolute path")
            << QStringList{"/data/report.txt"} << QStringList{"file:///data/report.txt"};
        QTest::newRow("relative paths against the working folder")
            << QStringList{"notes.txt", "sub/dir/", "../up.txt"}
            << QStringList{"file:///work/here/notes.txt", "file:///work/here/sub/dir", "file:///work/up.txt"};
        QTest::newRow("file URLs, also on localhost")
            << QStringList{"file:///data/with%20space.txt", "file://localhost/data/a"}
            << QStringList{"file:///data/with%20space.txt", "file:///data/a"};
        QTest::newRow("remote and web URLs are not items")
            << QStringList{"file://server/share/a", "https://example.org/a.zip"} << QStringList{};
        QTest::newRow("options are skipped")
            << QStringList{"-v", "--reverse", "a", "-"} << QStringList{"file:///work/here/a"};
        QTest::newRow("after -- everything is a path")
            << QStringList{"--", "-strange name", "--"}
            << QStringList{"file:///work/here/-strange%20name", "file:///work/here/--"};
        QTest::newRow("colon in a plain name")
            << QStringList{"a:b.txt"} << QStringList{"file:///work/here/a:b.txt"};
    }

    void commandLineFiles() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QStringList actual;
        for (const QUrl& url : CommandLineFiles::fileUrls(arguments, QStringLiteral("/work/here")))
            actual.append(url.toString(QUrl::FullyEncoded));
        QCOMPARE(actual, expected);
    }

    void launch_outsideApplicationsFolder_alertsAndExitsWithCodeOne() {
        AppDelegate delegate(m_dialogs, m_desktop);
        delegate.setLaunchLocationForTesting(path("usr/bin/balewick"), {path("opt")});
        QStringList buttons;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto* alert = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!alert)
                return;
            answer.stop();
            for (QAbstractButton* button : alert->buttons())
                buttons.append(button->text());
            alert->buttons().constFirst()->click();
        });
        answer.start(20);

        QVERIFY(!delegate.applicationDidFinishLaunching());
        QVERIFY(!delegate.windowController());
        QCOMPARE(buttons, QStringList{qtTrId("launch.applications.quit")});
        QEventLoop applicationLoop;
        QTimer::singleShot(5000, &applicationLoop, [&applicationLoop] { applicationLoop.exit(-1); });
        QCOMPARE(applicationLoop.exec(), 1);
        // Files handed over while refusing must not start a run.
        delegate.openUrls({QUrl::fromLocalFile(path("missing"))});
        QTest::qWait(50);
        QVERIFY(!MainModel::shared().isBusy());
        QVERIFY(m_dialogs.errors.isEmpty());
    }

    void launch_installed_showsMainWindowThatCloseHidesAndReopenShows() {
        m_launched = std::make_unique<AppDelegate>(m_dialogs, m_desktop);
        m_launched->setLaunchLocationForTesting(path("usr/bin/balewick"), {path("usr")});
        QVERIFY(m_launched->applicationDidFinishLaunching());
        QCOMPARE(AppDelegate::current(), m_launched.get());
        QPointer<MainWindowController> window = m_launched->windowController();
        QVERIFY(window && window->isVisible());
        QVERIFY(qobject_cast<MainView*>(window->centralWidget()));

        window->close();
        QTest::qWait(10);
        QVERIFY(window && !window->isVisible());
        // With another window on screen, a reopen leaves things as they are.
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
        MainWindowController* window = m_launched->windowController();
        window->hide();
        QSignalSpy finished(&MainModel::shared(), &MainModel::runFinished);
        m_launched->openUrls({QUrl::fromLocalFile(path("no-such-item"))});
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(m_dialogs.errors.size(), 1); // the missing item, reported by the workflow
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(LaunchTest)
#include "tst_launch.moc"
