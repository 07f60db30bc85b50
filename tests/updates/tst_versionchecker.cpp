#include "LoopbackHttpServer.h"
#include "Translations.h"
#include "persistence/AppPreferences.h"
#include "persistence/TemporarySettings.h"
#include "support/FakeDesktopServices.h"
#include "support/FocusChain.h"
#include "updates/VersionCheckError.h"
#include "updates/VersionCheckResult.h"
#include "updates/VersionCheckUpdateView.h"
#include "updates/VersionChecker.h"

#include <QAccessible>
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

QByteArray document(const QByteArray& inner) {
    return "<?xml version=\"1.0\"?>\n<balewick>\n" + inner + "\n</balewick>\n";
}

QMessageBox* waitForAlert() {
    (void)QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 5000);
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

} // namespace

// The version checker against a loopback server, and the window it opens.
class VersionCheckerTest final : public QObject {
    Q_OBJECT

private:
    LoopbackHttpServer m_server;
    FakeDesktopServices m_desktop;
    std::unique_ptr<TemporarySettings> m_store;
    std::unique_ptr<AppPreferences> m_preferences;

    std::unique_ptr<VersionChecker> checker(const QString& currentVersion = QStringLiteral("2.0"),
                                            const QString& language = QStringLiteral("en"),
                                            int timeoutMs = 3000,
                                            std::chrono::milliseconds deadline = std::chrono::seconds(30)) {
        AppInfo info;
        info.name = QStringLiteral("Balewick");
        if (!currentVersion.isEmpty())
            info.shortVersion = currentVersion;
        return std::make_unique<VersionChecker>(
            *m_preferences, m_desktop,
            VersionChecker::Configuration{m_server.address(), info, language,
                                          std::chrono::milliseconds(timeoutMs), deadline});
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
        QVERIFY(m_server.isListening());
    }

    void init() {
        m_store = std::make_unique<TemporarySettings>();
        m_preferences = std::make_unique<AppPreferences>(m_store->settings());
        m_server.body.clear();
        m_server.status = 200;
        m_server.answers = true;
        m_server.sendsLength = true;
        m_server.trickleInterval = {};
        m_server.requests.clear();
        m_desktop.opened.clear();
    }

    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets())
            delete qobject_cast<VersionCheckUpdateView*>(window);
    }

    // errorCode 1: a newer version, shown in the update window; -1: the document could not be read.
    void automaticCheck_reportsTheDocumentsOutcome_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("sendsLength");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("errorCode");
        QTest::addColumn<QVariantMap>("result");
        const auto row = [](const char* name, const QByteArray& body, int errorCode,
                            const QVariantMap& result = {}, const char* language = "en",
                            const char* current = "2.0", int status = 200, bool sendsLength = true) {
            QTest::newRow(name) << body << status << sendsLength << QString(language) << QString(current)
                                << errorCode << result;
        };
        const QByteArray greetings = document(
            "<lastversion>3.0</lastversion><titletext><english>Hello</english><fr>Bonjour</fr></titletext>");
        row("1.10 is newer than 1.9", document("<lastversion>1.10</lastversion>"), 1,
            {{"latestVersion", "1.10"}}, "en", "1.9");
        row("mixed-case tag, blanks around the version, every field",
            document("<LastVersion>  2.1\n</LASTVERSION><downloadurl> https://example.org/get </downloadurl>"
                     "<infotext><en>\n  Faster.  </en></infotext>"),
            1,
            {{"latestVersion", "2.1"}, {"downloadUrl", "https://example.org/get"}, {"infoText", "Faster."}});
        row("markup in the version is text", document("<lastversion><b>9</b></lastversion>"), 1,
            {{"latestVersion", "<b>9</b>"}});
        row("French user", greetings, 1, {{"latestVersion", "3.0"}, {"titleText", "Bonjour"}}, "fr");
        row("Japanese user falls back to English", greetings, 1,
            {{"latestVersion", "3.0"}, {"titleText", "Hello"}}, "ja");
        row("without a current version any version is newer", document("<lastversion>0.1</lastversion>"), 1,
            {{"latestVersion", "0.1"}}, "en", "");
        row("digits beyond any integer", document("<lastversion>1.100000000000000000000</lastversion>"), 1,
            {{"latestVersion", "1.100000000000000000000"}}, "en", "1.99999999999999999999");
        row("same version, leading zeros, is up to date", document("<lastversion>02.0</lastversion>"), 0);
        row("a version in an error page still counts", document("<lastversion>2.0</lastversion>"), 0, {},
            "en", "2.0", 500);
        row("404 page", "<html><body><h1>Not Found</h1></body></html>", -1, {}, "en", "2.0", 404);
        row("not UTF-8", "<lastversion>3.0\xff\xfe</lastversion>", -1);
        const QByteArray huge = document("<lastversion>3.0</lastversion>" + QByteArray(1024 * 1024, ' '));
        row("over 1 MiB, announced", huge, -1);
        row("over 1 MiB, not announced", huge, -1, {}, "en", "2.0", 200, false);
    }

    void automaticCheck_reportsTheDocumentsOutcome() {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(bool, sendsLength);
        QFETCH(QString, language);
        QFETCH(QString, current);
        QFETCH(int, errorCode);
        QFETCH(QVariantMap, result);
        m_server.body = body;
        m_server.status = status;
        m_server.sendsLength = sendsLength;

        auto subject = checker(current, language);
        QSignalSpy finished(subject.get(), &VersionChecker::versionCheckDidFinish);
        subject->checkForUpdates(false);
        QVERIFY(finished.wait(30000));
        const QVariantMap userInfo = finished.constFirst().constFirst().toMap();
        QCOMPARE(m_server.requests.size(), 1);
        QVERIFY(m_server.requests.constFirst().startsWith("GET /version_checking/Balewick.xml HTTP/1.1\r\n"));
        if (errorCode == 1) {
            result.insert("requestedByUser", false);
            QCOMPARE(userInfo, result);
            QTRY_VERIFY(subject->updateWindow() && subject->updateWindow()->isVisible());
            QCOMPARE(subject->updateWindow()->windowTitle(),
                     result.value("titleText", qtTrId("updates.window.defaultTitle")).toString());
            // What is shown, as a screen reader reads it: markup would have been rendered away.
            auto* versionLine = subject->updateWindow()->findChild<QLabel*>("updates.window.versionLine");
            QCOMPARE(
                QAccessible::queryAccessibleInterface(versionLine)->text(QAccessible::Name),
                qtTrId("updates.window.versionLine").arg(result.value("latestVersion").toString(), current));
        } else {
            QCOMPARE(userInfo.value("error").metaType(), QMetaType::fromType<VersionCheckError>());
            QCOMPARE(userInfo.value("error").value<VersionCheckError>().code(), errorCode);
            QVERIFY(!subject->updateWindow());
        }
        // Only a document that could be read counts as a check.
        const QVariant date = m_store->reopenFromDisk()->value("BWAutoCheckLastDate");
        QCOMPARE(date.metaType() == QMetaType::fromType<QDateTime>(), errorCode != -1);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void automaticCheck_serverNeverAnswers_endsSilentlyWithoutBlocking() {
        m_server.answers = false;
        auto subject = checker(QStringLiteral("2.0"), QStringLiteral("en"), 300);
        QSignalSpy finished(subject.get(), &VersionChecker::versionCheckDidFinish);
        subject->checkForUpdates(false);
        QCOMPARE(finished.size(), 0); // returned before the check could end: nothing blocked
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.constFirst().constFirst().toMap().value("error").metaType(),
                 QMetaType::fromType<QString>());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!m_store->reopenFromDisk()->contains("BWAutoCheckLastDate"));
    }

    void automaticCheck_tricklingServer_failsSilentlyAtTheDeadline() {
        // A byte every 100 ms keeps the transfer alive for about a minute; the deadline is a second.
        m_server.body = document("<lastversion>3.0</lastversion>" + QByteArray(500, ' '));
        m_server.trickleInterval = std::chrono::milliseconds(100);
        auto subject = checker(QStringLiteral("2.0"), QStringLiteral("en"), 60000, std::chrono::seconds(1));
        QSignalSpy finished(subject.get(), &VersionChecker::versionCheckDidFinish);
        subject->checkForUpdates(false);
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.constFirst().constFirst().toMap().value("error"),
                 QVariant::fromValue(VersionCheckError::checkFailed()));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void userCheck_upToDate_alertNamesTheRunningVersion() {
        m_server.body = document("<lastversion>2.0</lastversion>");
        auto subject = checker();
        subject->checkForUpdates(true);
        QMessageBox* alert = waitForAlert();
        QVERIFY(alert);
        QCOMPARE(alert->text(), qtTrId("updates.alert.upToDate.title"));
        QVERIFY(alert->informativeText().contains(QStringLiteral("Balewick 2.0")));
        alert->buttons().constFirst()->click();
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void userCheck_twoOverlappingFailures_eachFinishAndOpenPageOffersTheSite() {
        m_server.body = "no version here";
        auto subject = checker(QStringLiteral("2.0"));
        QSignalSpy finished(subject.get(), &VersionChecker::versionCheckDidFinish);
        subject->checkForUpdates(true);
        subject->checkForUpdates(true);
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 30000);
        QMessageBox* alert = waitForAlert();
        QVERIFY(alert);
        QCOMPARE(alert->text(), qtTrId("updates.alert.unavailable.title"));
        QVERIFY(alert->informativeText().contains(QStringLiteral("2.0")));
        QCOMPARE(alert->defaultButton()->text(), qtTrId("updates.alert.openPage"));
        alert->defaultButton()->click();
        QMessageBox* second = waitForAlert();
        QVERIFY(second && second != alert);
        QTest::keyClick(second, Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(m_desktop.opened, QList<QUrl>{QUrl(m_server.address() + "/")});
    }

    void updateWindow_buttonsAndKeys_data() {
        QTest::addColumn<QString>("downloadUrl");
        QTest::addColumn<int>("key");
        QTest::addColumn<QList<QUrl>>("opened");
        const QString get = QStringLiteral("https://example.org/get");
        QTest::newRow("Return opens the download address")
            << get << int(Qt::Key_Return) << QList<QUrl>{QUrl(get)};
        QTest::newRow("an address that is not a web page opens the site")
            << "file:///etc/passwd" << int(Qt::Key_Return) << QList<QUrl>{QUrl(m_server.address() + "/")};
        QTest::newRow("Escape only closes") << get << int(Qt::Key_Escape) << QList<QUrl>{};
    }

    void updateWindow_buttonsAndKeys() {
        QFETCH(QString, downloadUrl);
        QFETCH(int, key);
        QFETCH(QList<QUrl>, opened);
        auto subject = checker();
        subject->showUpdateWindow({.latestVersion = "3.0", .downloadUrl = downloadUrl});
        QPointer<VersionCheckUpdateView> window = subject->updateWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(FocusChain::unnamedStops(window), QStringList());
        QTest::keyClick(window, Qt::Key(key));
        QTRY_VERIFY(!window);
        QVERIFY(!subject->updateWindow());
        QCOMPARE(m_desktop.opened, opened);
    }

    void updateWindow_toggle_switchesCheckingAndStaysOpen() {
        auto subject = checker();
        subject->showUpdateWindow({.latestVersion = "3.0"});
        VersionCheckUpdateView* window = subject->updateWindow();
        auto* toggle = window->findChild<QPushButton*>("updates.window.toggle");
        QVERIFY(m_preferences->autoCheckForUpdates());
        QCOMPARE(toggle->text(), qtTrId("updates.window.disableChecking"));
        toggle->click();
        QVERIFY(!m_preferences->autoCheckForUpdates());
        QCOMPARE(m_store->reopenFromDisk()->value("BWAutoCheckUpdates").toBool(), false);
        QCOMPARE(toggle->text(), qtTrId("updates.window.enableChecking"));
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(VersionCheckerTest)
#include "tst_versionchecker.moc"
