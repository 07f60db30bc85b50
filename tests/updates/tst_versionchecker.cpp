#include "LoopbackHttpServer.h"
#include "Translations.h"
#include "persistence/AppPreferences.h"
#include "persistence/TemporarySettings.h"
#include "support/FakeDesktopServices.h"
#include "updates/VersionCheckError.h"
#include "updates/VersionCheckUpdateView.h"
#include "updates/VersionChecker.h"
#include "updates/VersionComparison.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
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
    QMessageBox* found = nullptr;
    (void)QTest::qWaitFor(
        [&found] {
            found = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            return found != nullptr;
        },
        5000);
    return found;
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
                                            int timeoutMs = 3000) {
        AppInfo info;
        info.name = QStringLiteral("Balewick");
        if (!currentVersion.isEmpty())
            info.shortVersion = currentVersion;
        return std::make_unique<VersionChecker>(
            *m_preferences, m_desktop,
            VersionChecker::Configuration{m_server.address(), info, language,
                                          std::chrono::milliseconds(timeoutMs)});
    }

    static QVariantMap finishOnce(VersionChecker& checker, bool requestedByUser) {
        QSignalSpy finished(&checker, &VersionChecker::versionCheckDidFinish);
        checker.checkForUpdates(requestedByUser);
        if (!finished.wait(5000))
            return {};
        return finished.constFirst().constFirst().toMap();
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
        m_server.requests.clear();
        m_desktop.opened.clear();
    }

    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets())
            delete qobject_cast<VersionCheckUpdateView*>(window);
    }

    void compareVersions_ordersDigitRunsByValue_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<int>("order");
        QTest::newRow("1.10 after 1.9") << "1.10"
                                        << "1.9" << 1;
        QTest::newRow("2.0.1 after 2.0") << "2.0.1"
                                         << "2.0" << 1;
        QTest::newRow("leading zeros are the same number") << "1.02"
                                                           << "1.2" << 0;
        QTest::newRow("digits longer than any integer") << "1.99999999999999999999"
                                                        << "1.100000000000000000000" << -1;
        QTest::newRow("letters by code") << "2.0b"
                                         << "2.0a" << 1;
        QTest::newRow("any version after a missing one") << "0.1"
                                                         << "0" << 1;
    }

    void compareVersions_ordersDigitRunsByValue() {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(int, order);
        QCOMPARE(compareVersions(left, right), order);
        QCOMPARE(compareVersions(right, left), -order);
    }

    void automaticCheck_reportsTheDocumentsOutcome_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("sendsLength");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("errorCode"); // 1: no error, a newer version
        QTest::addColumn<QVariantMap>("result");

        const QByteArray greetings =
            "<lastversion>3.0</lastversion><titletext><english>Hello</english><fr>Bonjour</fr></titletext>";
        const QVariantMap hello{{"latestVersion", "3.0"}, {"titleText", "Hello"}};
        QTest::newRow("1.10 is newer than 1.9")
            << document("<lastversion>1.10</lastversion>") << 200 << true << "en"
            << "1.9" << 1 << QVariantMap{{"latestVersion", "1.10"}};
        QTest::newRow("mixed-case tag, blanks around the version, every field")
            << document(
                   "<LastVersion>  2.1\n</LASTVERSION><downloadurl> https://example.org/get </downloadurl>"
                   "<infotext><en>\n  Faster.  </en></infotext>")
            << 200 << true << "en"
            << "2.0" << 1
            << QVariantMap{{"latestVersion", "2.1"},
                           {"downloadUrl", "https://example.org/get"},
                           {"infoText", "Faster."}};
        QTest::newRow("French user") << document(greetings) << 200 << true << "fr"
                                     << "2.0" << 1
                                     << QVariantMap{{"latestVersion", "3.0"}, {"titleText", "Bonjour"}};
        QTest::newRow("Japanese user falls back to English") << document(greetings) << 200 << true << "ja"
                                                             << "2.0" << 1 << hello;
        QTest::newRow("Portuguese user gets English") << document(greetings) << 200 << true << "pt-BR"
                                                      << "2.0" << 1 << hello;
        QTest::newRow("empty French element, no English fallback")
            << document("<lastversion>3.0</lastversion><titletext><french>  </french><en>Hi</en></titletext>")
            << 200 << true << "fr_FR"
            << "2.0" << 1 << QVariantMap{{"latestVersion", "3.0"}};
        QTest::newRow("without a current version any version is newer")
            << document("<lastversion>0.1</lastversion>") << 200 << true << "en"
            << "" << 1 << QVariantMap{{"latestVersion", "0.1"}};
        QTest::newRow("same version is up to date")
            << document("<lastversion>2.0</lastversion>") << 200 << true << "en"
            << "2.0" << 0 << QVariantMap{};
        QTest::newRow("older version is up to date")
            << document("<lastversion>1.0</lastversion>") << 200 << true << "en"
            << "2.0" << 0 << QVariantMap{};
        QTest::newRow("attribute on the opening tag")
            << document("<lastversion kind=\"final\">3.0</lastversion>") << 200 << true << "en"
            << "2.0" << -1 << QVariantMap{};
        QTest::newRow("404 page") << QByteArray("<html><body><h1>Not Found</h1></body></html>") << 404 << true
                                  << "en"
                                  << "2.0" << -1 << QVariantMap{};
        QTest::newRow("a version in an error page still counts")
            << document("<lastversion>2.0</lastversion>") << 500 << true << "en"
            << "2.0" << 0 << QVariantMap{};
        QTest::newRow("empty body") << QByteArray() << 200 << true << "en"
                                    << "2.0" << -1 << QVariantMap{};
        QTest::newRow("not UTF-8") << QByteArray("<lastversion>3.0\xff\xfe</lastversion>") << 200 << true
                                   << "en"
                                   << "2.0" << -1 << QVariantMap{};
        const QByteArray huge = document("<lastversion>3.0</lastversion>" + QByteArray(1024 * 1024, ' '));
        QTest::newRow("over 1 MiB, announced") << huge << 200 << true << "en"
                                               << "2.0" << -1 << QVariantMap{};
        QTest::newRow("over 1 MiB, not announced") << huge << 200 << false << "en"
                                                   << "2.0" << -1 << QVariantMap{};
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
        const QVariantMap userInfo = finishOnce(*subject, false);
        QCOMPARE(userInfo.value("requestedByUser"), QVariant(false));
        QCOMPARE(m_server.requests.size(), 1);
        QVERIFY(m_server.requests.constFirst().startsWith("GET /version_checking/Balewick.xml HTTP/1.1\r\n"));
        QVERIFY(m_server.requests.constFirst().contains("\r\nUser-Agent: Balewick\r\n"));

        if (errorCode == 1) {
            QVariantMap expected = result;
            expected.insert("requestedByUser", false);
            QCOMPARE(userInfo, expected);
            QTRY_VERIFY(subject->updateWindow() && subject->updateWindow()->isVisible());
            const QString title = result.value("titleText", qtTrId("updates.window.defaultTitle")).toString();
            QCOMPARE(subject->updateWindow()->windowTitle(), title);
        } else {
            const VersionCheckError error = userInfo.value("error").value<VersionCheckError>();
            QCOMPARE(userInfo.value("error").metaType(), QMetaType::fromType<VersionCheckError>());
            QCOMPARE(error.code(), errorCode);
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
        QElapsedTimer clock;
        clock.start();
        subject->checkForUpdates(false);
        QVERIFY(clock.elapsed() < 200);
        QSignalSpy finished(subject.get(), &VersionChecker::versionCheckDidFinish);
        QVERIFY(finished.wait(5000));
        const QVariant error = finished.constFirst().constFirst().toMap().value("error");
        QCOMPARE(error.metaType(), QMetaType::fromType<QString>());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!m_store->reopenFromDisk()->contains("BWAutoCheckLastDate"));
    }

    void userCheck_upToDate_alertNamesTheRunningVersion() {
        m_server.body = document("<lastversion>2.0</lastversion>");
        auto subject = checker();
        subject->checkForUpdates(true);
        QMessageBox* alert = waitForAlert();
        QVERIFY(alert);
        QCOMPARE(alert->text(), qtTrId("updates.alert.upToDate.title"));
        QVERIFY(alert->informativeText().contains(QStringLiteral("Balewick 2.0")));
        QCOMPARE(alert->buttons().size(), 1);
        alert->buttons().constFirst()->click();
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void userCheck_twoOverlappingFailures_eachFinishAndOpenPageOffersTheSite() {
        m_server.body = "no version here";
        auto subject = checker(QStringLiteral("2.0"));
        QSignalSpy finished(subject.get(), &VersionChecker::versionCheckDidFinish);
        subject->checkForUpdates(true);
        subject->checkForUpdates(true);
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 5000);
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
        QTest::addColumn<QString>("opened"); // empty: nothing
        QTest::newRow("Return opens the download address")
            << "https://example.org/get" << int(Qt::Key_Return) << "https://example.org/get";
        QTest::newRow("Return without an address opens the site") << "" << int(Qt::Key_Return) << "/";
        QTest::newRow("an address that is not a web page opens the site")
            << "file:///etc/passwd" << int(Qt::Key_Return) << "/";
        QTest::newRow("Escape only closes") << "https://example.org/get" << int(Qt::Key_Escape) << "";
    }

    void updateWindow_buttonsAndKeys() {
        QFETCH(QString, downloadUrl);
        QFETCH(int, key);
        QFETCH(QString, opened);
        auto subject = checker();
        QVariantMap result{{"latestVersion", "3.0"}};
        if (!downloadUrl.isEmpty())
            result.insert("downloadUrl", downloadUrl);
        subject->showUpdateWindow(result);
        QPointer<VersionCheckUpdateView> window = subject->updateWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->size(), QSize(480, 220));
        QTest::keyClick(window, Qt::Key(key));
        QTRY_VERIFY(!window);
        QVERIFY(!subject->updateWindow());
        const QList<QUrl> expected =
            opened.isEmpty()
                ? QList<QUrl>{}
                : QList<QUrl>{QUrl(opened.startsWith('/') ? m_server.address() + opened : opened)};
        QCOMPARE(m_desktop.opened, expected);
    }

    void updateWindow_toggle_switchesCheckingAndStaysOpen() {
        auto subject = checker();
        subject->showUpdateWindow({{"latestVersion", "3.0"}});
        VersionCheckUpdateView* window = subject->updateWindow();
        auto* toggle = window->findChild<QPushButton*>("updates.window.toggle");
        QVERIFY(m_preferences->autoCheckForUpdates());
        QCOMPARE(toggle->text(), qtTrId("updates.window.disableChecking"));
        toggle->click();
        QVERIFY(!m_preferences->autoCheckForUpdates());
        QCOMPARE(m_store->reopenFromDisk()->value("BWAutoCheckUpdates").toBool(), false);
        QCOMPARE(toggle->text(), qtTrId("updates.window.enableChecking"));
        QCOMPARE(toggle->toolTip(), qtTrId("updates.window.enableChecking.tip"));
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(VersionCheckerTest)
#include "tst_versionchecker.moc"
