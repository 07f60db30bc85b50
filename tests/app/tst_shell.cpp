#include "Translations.h"
#include "about/AboutWindow.h"
#include "about/LicenseAgreementWindow.h"
#include "app/AppDelegate.h"
#include "app/CommandLineFiles.h"
#include "app/LaunchLocation.h"
#include "app/RunNotice.h"
#include "app/SingleInstance.h"
#include "app/WidgetDialogs.h"
#include "engine/LocalPath.h"
#include "log/LogWindow.h"
#include "mainwindow/DropView.h"
#include "mainwindow/MainView.h"
#include "mainwindow/MainWindowController.h"
#include "platform/AppInfo.h"
#include "platform/DesktopNotifier.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsView.h"
#include "support/ArchiveReading.h"
#include "support/MainViewHarness.h"
#include "support/ModelFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoroTask>
#include <QEventLoop>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <fcntl.h>
#include <unistd.h>

namespace {

template <typename Dialog> Dialog* waitForModal() {
    Dialog* found = nullptr;
    (void)QTest::qWaitFor(
        [&found] {
            found = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            return found && found->isVisible();
        },
        5000);
    return found;
}

QAbstractButton* buttonWithText(const QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// What the application makes at start, made afresh for each test over its own settings file, with
// automatic checks off.
struct Launch : ModelFixture {
    Launch() { preferences.setAutoCheckForUpdates(false); }

    SettingsModel settingsModel{settings};
    AppDelegate delegate{{preferences, log, model, settingsModel, dialogs, desktop}};
};

// A file whose name is these exact bytes.
QUrl makeRawFile(const QByteArray& path, const QByteArray& contents) {
    const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    const bool written =
        file >= 0 && ::write(file, contents.constData(), size_t(contents.size())) == contents.size();
    return file >= 0 && ::close(file) == 0 && written ? LocalPath::toUrl(path) : QUrl();
}

// Records the notifications at the end of a run.
class FakeNotifier final : public DesktopNotifier {
public:
    QStringList notes; // "title: body", "+show" when it offers the action
    std::function<void()> lastShow;
    void notify(const QString& title, const QString& body, std::function<void()> show) override {
        notes.append(title + ": " + body + (show ? "+show" : ""));
        lastShow = std::move(show);
    }
};

} // namespace

// The application shell: launch check, command line, delegate and the widget dialogs.
class ShellTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_root;

    QString path(const QString& relative) const {
        return relative.isEmpty() ? relative : m_root.filePath(relative);
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
        for (const char* executable : {"usr/bin/balewick", "usr2/bin/balewick", "build/src/balewick"}) {
            QVERIFY(QDir().mkpath(QFileInfo(path(executable)).absolutePath()));
            QFile file(path(executable));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir().mkpath(path("home/bin")));
        QVERIFY(QFile::link(path("usr/bin/balewick"), path("home/bin/balewick")));
        QVERIFY(QFile::link(path("build/src/balewick"), path("usr/bin/balewick-dev")));
        QVERIFY(QFile::link(path("usr"), path("usrlink")));
        QVERIFY(QDir(m_root.path()).mkpath(QStringLiteral("folder/inner")));
        QFile file(m_root.filePath(QStringLiteral("a.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void launchCheck_passesOnlyInsideApplicationsFolders_data() {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<bool>("inside");

        const QStringList standard{"usr", "opt"};
        QTest::newRow("inside /usr") << "usr/bin/balewick" << standard << true;
        QTest::newRow("/usr2 only starts like /usr") << "usr2/bin/balewick" << standard << false;
        QTest::newRow("symlink into /usr") << "home/bin/balewick" << standard << true;
        QTest::newRow("symlink in /usr to a build tree") << "usr/bin/balewick-dev" << standard << false;
        QTest::newRow("dot-dot out of /usr") << "usr/../usr2/bin/balewick" << standard << false;
        QTest::newRow("folder given through a symlink")
            << "usr/bin/balewick" << QStringList{"usrlink"} << true;
        // An empty entry must not turn into "/" and admit every path.
        QTest::newRow("empty folder entry") << "usr/bin/balewick" << QStringList{""} << false;
    }

    void launchCheck_passesOnlyInsideApplicationsFolders() {
        QFETCH(QString, executable);
        QFETCH(QStringList, folders);
        QFETCH(bool, inside);
        for (QString& folder : folders)
            folder = path(folder);
        QCOMPARE(LaunchLocation::isInApplicationsFolder(path(executable), folders), inside);
    }

    void commandLine_turnsPathsAndFileUrlsIntoItems_data() {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("relative paths against the working folder")
            << QByteArrayList{"notes.txt", "sub/dir/", "../up.txt"}
            << QStringList{"file:///work/here/notes.txt", "file:///work/here/sub/dir", "file:///work/up.txt"};
        QTest::newRow("file URLs, also on localhost")
            << QByteArrayList{"file:///data/with%20space.txt", "file://localhost/data/a"}
            << QStringList{"file:///data/with%20space.txt", "file:///data/a"};
        QTest::newRow("remote and web URLs are not items")
            << QByteArrayList{"file://server/share/a", "https://example.org/a.zip"} << QStringList{};
        QTest::newRow("options are skipped")
            << QByteArrayList{"-v", "--reverse", "a", "-"} << QStringList{"file:///work/here/a"};
        QTest::newRow("after -- everything is a path")
            << QByteArrayList{"--", "-strange name", "--"}
            << QStringList{"file:///work/here/-strange%20name", "file:///work/here/--"};
        // Decoded as text, \xFF would become U+FFFD, the name of another file.
        QTest::newRow("names that are not UTF-8 keep their bytes")
            << QByteArrayList{"bad\xFFname.txt", "/data/caf\xE9", "file:///data/b%FF", "file:///data/c\xFF"}
            << QStringList{"file:///work/here/bad%FFname.txt", "file:///data/caf%E9", "file:///data/b%FF",
                           "file:///data/c%FF"};
    }

    void commandLine_turnsPathsAndFileUrlsIntoItems() {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QStringList, expected);
        QStringList actual;
        for (const QUrl& url : CommandLineFiles::fileUrls(arguments, "/work/here"))
            actual.append(url.toString(QUrl::FullyEncoded));
        QCOMPARE(actual, expected);
    }

    void confirmationBox_reportsButtonAndSuppressionBox_data() {
        QTest::addColumn<QString>("answer"); // a button's text, or "escape"
        QTest::addColumn<bool>("tickBox");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("confirm, never ask again") << "Omit" << true << true;
        QTest::newRow("cancel with the box ticked") << "Cancel" << true << false;
        QTest::newRow("escape key") << "escape" << false << false;
    }

    void confirmationBox_reportsButtonAndSuppressionBox() {
        QFETCH(QString, answer);
        QFETCH(bool, tickBox);
        QFETCH(bool, confirmed);
        WidgetDialogs widgetDialogs;
        auto task = widgetDialogs.askConfirmation(
            {QStringLiteral("Leave out Finder files?"), QStringLiteral("Details."), QStringLiteral("Omit"),
             QStringLiteral("Cancel"), QStringLiteral("Don't ask again")});
        QMessageBox* box = waitForModal<QMessageBox>();
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Leave out Finder files?"));
        QCOMPARE(box->informativeText(), QStringLiteral("Details."));
        QCOMPARE(box->checkBox()->text(), QStringLiteral("Don't ask again"));
        QCOMPARE(box->defaultButton(), buttonWithText(box, QStringLiteral("Omit")));
        if (tickBox)
            QTest::mouseClick(box->checkBox(), Qt::LeftButton, {}, QPoint(5, box->checkBox()->height() / 2));
        if (answer == QLatin1String("escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else
            QTest::mouseClick(buttonWithText(box, answer), Qt::LeftButton);

        const ConfirmationAlert::Answer result = QCoro::waitFor(std::move(task));
        QCOMPARE(result.confirmed, confirmed);
        QCOMPARE(result.suppressChecked, tickBox);
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void showError_hasOneOkButton_andShowsNamesAsTheyAre() {
        WidgetDialogs widgetDialogs;
        auto task = widgetDialogs.showError(QStringLiteral("Couldn't compress"),
                                            QStringLiteral("<b>x</b>.txt: The disk is full."));
        QMessageBox* box = waitForModal<QMessageBox>();
        QVERIFY(box);
        QCOMPARE(box->informativeText(), QStringLiteral("<b>x</b>.txt: The disk is full."));
        for (const QLabel* label : box->findChildren<QLabel*>())
            QVERIFY(label->text().isEmpty() || label->textFormat() == Qt::PlainText);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->buttons().constFirst()->text(), qtTrId("confirm.ok"));
        QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
        QCoro::waitFor(std::move(task));
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void chooseFolder_cancelled_givesEmptyUrl() {
        WidgetDialogs widgetDialogs;
        auto task = widgetDialogs.chooseFolder(QStringLiteral("Choose"));
        QFileDialog* dialog = waitForModal<QFileDialog>();
        QVERIFY(dialog);
        QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
        dialog->reject();
        QCOMPARE(QCoro::waitFor(std::move(task)), QUrl());
    }

    void openPanel_returnsChosenItemsOrNothing_data() {
        QTest::addColumn<QString>("typed"); // empty: the panel is cancelled
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("a file and a folder") << "\"a.txt\" \"folder\"" << QStringList{"a.txt", "folder"};
        QTest::newRow("one folder is chosen, not entered") << "folder" << QStringList{"folder"};
        QTest::newRow("cancelled") << "" << QStringList{};
    }

    void openPanel_returnsChosenItemsOrNothing() {
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);

        WidgetDialogs widgetDialogs;
        auto task = widgetDialogs.chooseItems(QStringLiteral("Add"));
        QFileDialog* dialog = waitForModal<QFileDialog>();
        QVERIFY(dialog);
        QCOMPARE(dialog->labelText(QFileDialog::Accept), QStringLiteral("Add"));
        dialog->setDirectory(m_root.path());
        if (typed.isEmpty()) {
            // Accepting without a choice must not take the open folder itself.
            QMetaObject::invokeMethod(dialog, "accept");
            QVERIFY(dialog->isVisible());
            dialog->reject();
        } else {
            auto* nameField = dialog->findChild<QLineEdit*>("fileNameEdit");
            nameField->setText(typed);
            QTest::keyClick(nameField, Qt::Key_Return);
        }
        QList<QUrl> urls;
        for (const QString& name : expected)
            urls.append(QUrl::fromLocalFile(m_root.filePath(name)));
        QCOMPARE(QCoro::waitFor(std::move(task)), urls);
    }
    void launch_outsideApplicationsFolder_alertsAndExitsWithCodeOne() {
        Launch launch;
        AppDelegate& delegate = launch.delegate;
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
        delegate.openUrls({QUrl::fromLocalFile(path("missing"))}); // a run would start at once
        QVERIFY(!launch.model.isBusy());
        QVERIFY(launch.dialogs.errors.isEmpty());
    }

    void launch_installed_showsMainWindowThatCloseHidesAndReopenBringsBack() {
        Launch launch;
        AppDelegate& launched = launch.delegate;
        launched.setLaunchLocationForTesting(path("usr/bin/balewick"), {path("usr")});
        QVERIFY(launched.applicationDidFinishLaunching());
        // With automatic checks off, start-up makes no checker and so no request.
        QVERIFY(!launched.hasVersionChecker());
        QPointer<MainWindowController> window = launched.windowController();
        QVERIFY(window && window->isVisible());
        QVERIFY(qobject_cast<MainView*>(window->centralWidget()));

        window->close();
        QVERIFY(window && !window->isVisible());
        launched.reopen();
        QVERIFY(window->isVisible());
        QCOMPARE(launched.windowController(), window.data());
    }

    // The Settings item and the gear button take the one way to the one window, at the pane stored
    // last (General when what is stored names none).
    void settings_menuItemAndGearButtonShowTheOneWindow() {
        Launch launch;
        AppDelegate& launched = launch.delegate;
        launched.setLaunchLocationForTesting(path("usr/bin/balewick"), {path("usr")});
        launch.settings.setValue("BWSelectedPane", "Junk");
        QVERIFY(launched.applicationDidFinishLaunching());
        auto* item = launched.windowController()->findChild<QAction*>("settingsAction");
        QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
        item->trigger();
        const QPointer<SettingsView> window = launched.settingsWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(launch.settings.value("BWSelectedPane").toString(), QStringLiteral("GeneralPane"));

        window->close();
        QTest::mouseClick(launched.windowController()->findChild<QToolButton*>("preferences.title"),
                          Qt::LeftButton);
        QVERIFY(window && window->isVisible());
        QCOMPARE(launched.settingsWindow(), window.data());
        QCOMPARE(window->windowHandle()->title(), qtTrId("preferences.tab.general"));
    }

    void menus_fullOrderWithShortcuts_andKeptAboutLicenseAndLogWindows() {
        Launch launch;
        AppDelegate& launched = launch.delegate;
        launched.setLaunchLocationForTesting(path("usr/bin/balewick"), {path("usr")});
        QVERIFY(launched.applicationDidFinishLaunching());
        // "* " marks an item drawn with a symbol.
        const auto items = [&launched](const char* name) {
            QMenu* menu = launched.windowController()->findChild<QMenu*>(name);
            emit menu->aboutToShow(); // symbols are looked up as the menu opens
            QStringList shown;
            for (const QAction* action : menu->actions())
                shown << (action->isSeparator()
                              ? QStringLiteral("-")
                              : (QLatin1String(action->icon().isNull() ? "" : "* ") + action->text() +
                                 QLatin1Char(' ') + action->shortcut().toString())
                                    .trimmed());
            return shown;
        };
        const auto text = [](const char* key, const QString& shortcut = {}) {
            return (qtTrId(key) + QLatin1Char(' ') + shortcut).trimmed();
        };
        const auto symbol = [&text](const char* key, const QString& shortcut = {}) {
            return QStringLiteral("* ") + text(key, shortcut);
        };
        QCOMPARE(items("applicationMenu"),
                 (QStringList{symbol("about.menu"), symbol("menu.checkUpdates"), "-",
                              text("menu.settings", "Ctrl+,"), "-", text("menu.quit", "Ctrl+Q")}));
        QCOMPARE(items("fileMenu"), QStringList{text("main.add", "Ctrl+O")});
        QCOMPARE(items("helpMenu"), (QStringList{symbol("help.app", "Ctrl+?"), symbol("help.support"), "-",
                                                 symbol("help.license"), "-", symbol("help.site")}));
        QCOMPARE(launched.windowController()->windowHandle()->title(), AppInfo::bundled().windowTitle());

        // Each window is made once and brought back on the next request.
        for (int request = 0; request < 2; ++request) {
            launched.windowController()->findChild<QAction*>("aboutAction")->trigger();
            launched.windowController()->findChild<QAction*>("licenseAction")->trigger();
            launched.showLogWindow();
            const QList<std::pair<QPointer<QWidget>, const char*>> windows{
                {launched.aboutWindow(), "about.title"},
                {launched.licenseAgreementWindow(), "license.title"},
                {launched.logWindow(), "log.title"}};
            for (const auto& [window, title] : windows) {
                QVERIFY(window->isVisible());
                // What the window manager is given: the window's own text and nothing more.
                QCOMPARE(window->windowHandle()->title(), qtTrId(title));
                window->close();
                QVERIFY(window);
            }
        }
        // The recents pop-up's second item brings the same log window back.
        QTest::mouseClick(launched.windowController()->findChild<QToolButton*>("menu.recents"),
                          Qt::LeftButton);
        auto* recents = launched.windowController()->findChild<QMenu*>("recentsMenu");
        QCOMPARE(recents->actions().size(), 2);
        QCOMPARE(recents->actions().at(1)->text(), qtTrId("menu.showLog"));
        recents->actions().at(1)->trigger();
        recents->close();
        QTRY_VERIFY(launched.logWindow()->isVisible());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* window) {
                                   return qobject_cast<AboutWindow*>(window) ||
                                          qobject_cast<LogWindow*>(window);
                               }),
                 2);
    }

    // A name that is not UTF-8 reaches the archive and the Trash as its bytes, whichever way it came
    // in; decoded as text it would name the look-alike beside it.
    void nameNotUtf8_fromEachEntryPoint_archivesAndTrashesThatFileOnly_data() {
        QTest::addColumn<QString>("entry");
        for (const char* entry : {"drop", "command line", "second launch"})
            QTest::newRow(entry) << entry;
    }
    void nameNotUtf8_fromEachEntryPoint_archivesAndTrashesThatFileOnly() {
        QFETCH(QString, entry);
        MainViewHarness harness;
        QVERIFY(harness.show());
        harness.preferences.setTrashOriginals(true);
        QVERIFY(QDir().mkpath(harness.item({})));
        const QByteArray folder = QFile::encodeName(harness.item({}));
        const QByteArray name = "bad\xFFname.txt";
        const QUrl item = makeRawFile(folder + name, "right");
        // QDir cannot see a name that is not UTF-8, so the fixture's folder could not remove it.
        const auto remove = qScopeGuard([&] { ::unlink((folder + name).constData()); });
        // What "bad\xFFname.txt" reads as: U+FFFD in its place.
        QVERIFY(!makeRawFile(folder + "bad\xEF\xBF\xBDname.txt", "look-alike").isEmpty());
        SingleInstance running(harness.path("instance"));
        SingleInstance second(harness.path("instance"));
        if (entry == "drop") {
            QMimeData data;
            data.setData("text/uri-list", item.toEncoded() + "\r\n");
            auto* dropView = harness.find<DropView>("dropView");
            QVERIFY(sendDrag(dropView, QEvent::DragEnter, &data) && sendDrag(dropView, QEvent::Drop, &data));
        } else if (entry == "command line") {
            harness.model.process(CommandLineFiles::fileUrls({name}, folder));
        } else {
            QCOMPARE(running.claim({}), SingleInstance::Role::Primary);
            connect(&running, &SingleInstance::filesOpened, &harness.model, &MainModel::processWhenIdle);
            second.setReplyTimeout(300); // the running instance answers only once this returns
            QCOMPARE(second.claim(CommandLineFiles::fileUrls({name}, folder)),
                     SingleInstance::Role::HandedOff);
        }
        QVERIFY(harness.waitForEnd(0));
        QCOMPARE(harness.dialogs.errorMessages(), QStringList());
        const QString archive = harness.path(QStringLiteral("out/bad\uFFFDname.zip"));
        QCOMPARE(archiveMembers(archive), QByteArrayList{name});
        QCOMPARE(zipMember(archive, "*"), QByteArray("right"));
        QCOMPARE(harness.desktop.trashed, QByteArrayList{folder + name});
    }

    // The notification at the end of a run: only while the main window is not in front.
    void runEnd_isAnnouncedOnlyWhileTheWindowIsInactive_data() {
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QStringList>("notes");
        const QString done = qtTrId("notification.done") + ": " + qtTrId("banner.created").arg(u"a.zip");
        QTest::newRow("made, window in front") << true << false << QStringList();
        QTest::newRow("made, window behind") << false << false << QStringList{done + "+show"};
        QTest::newRow("failed, window behind")
            << false << true << QStringList{qtTrId("error.title") + ": disk full"};
    }
    void runEnd_isAnnouncedOnlyWhileTheWindowIsInactive() {
        QFETCH(bool, active);
        QFETCH(bool, fails);
        MainViewHarness harness;
        FakeNotifier notifier;
        RunNotice notice(harness.model, notifier, harness.desktop);
        QWidget window;
        notice.setWindow(&window);
        if (active) {
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
        const QList<QUrl> archives{QUrl::fromLocalFile("/srv/a.zip")};
        if (fails)
            emit harness.model.runFailed("disk full");
        else
            harness.model.setResult(ArchiveResult{archives});
        emit harness.model.runFinished();
        QTEST(notifier.notes, "notes");
        if (notifier.lastShow) {
            notifier.lastShow();
            QCOMPARE(harness.desktop.revealed, QList<QList<QUrl>>{archives});
        }
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
