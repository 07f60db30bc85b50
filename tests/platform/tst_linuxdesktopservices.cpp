#include "platform/LinuxDesktopServices.h"

#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Stands in for the file manager on a private session bus.
class FakeFileManager final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QList<QStringList> shown;

public slots:
    void ShowItems(const QStringList& uris, const QString& startupId) {
        Q_UNUSED(startupId);
        shown.append(uris);
    }
};

class LinuxDesktopServicesTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void moveToTrash_movesOrRefuses_data();
    void moveToTrash_movesOrRefuses();
    void reveal_asksTheFileManagerOverDBus();
    void reveal_withoutFileManager_opensEachFolderOnce();
    void composeEmail_attachesEveryArchive();
    void composeEmail_withoutProgram_doesNothing();

private:
    QTemporaryDir m_folder;
    QProcess m_bus;
    QString m_busAddress;
};

void LinuxDesktopServicesTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_folder.isValid());
    // The Trash lives in the test-mode data folder of a home of our own.
    qputenv("HOME", m_folder.path().toLocal8Bit());
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QDir().mkpath(m_folder.filePath(u"data"_s));

    const QString daemon = QStandardPaths::findExecutable(u"dbus-daemon"_s);
    if (daemon.isEmpty())
        return;
    m_bus.start(daemon, {u"--session"_s, u"--nofork"_s, u"--print-address"_s});
    QTRY_VERIFY_WITH_TIMEOUT(m_bus.canReadLine(), 10000);
    m_busAddress = QString::fromUtf8(m_bus.readLine()).trimmed();
}

void LinuxDesktopServicesTest::cleanupTestCase() {
    if (m_bus.state() != QProcess::NotRunning) {
        m_bus.terminate();
        m_bus.waitForFinished(5000);
    }
}

void LinuxDesktopServicesTest::moveToTrash_movesOrRefuses_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("trashed");
    QTest::newRow("ordinary name") << u"report.txt"_s << true;
    QTest::newRow("longest name that fits") << QString(240, u'a') << true;
    // Qt would retry its info-file name for ever.
    QTest::newRow("250-byte name") << QString(250, u'b') << false;
    QTest::newRow("long in bytes, short in characters") << QString(125, u'\u00e9') << false;
}

void LinuxDesktopServicesTest::moveToTrash_movesOrRefuses() {
    QFETCH(QString, name);
    QFETCH(bool, trashed);
    // The Trash and the item must share a file system; the home's data folder always does.
    const QString path = m_folder.filePath(u"data/"_s + name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    LinuxDesktopServices services;

    QCOMPARE(services.moveToTrash(path), trashed);
    QCOMPARE(QFile::exists(path), !trashed);
    const QString trash =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Trash/files/"_s;
    QCOMPARE(QFile::exists(trash + name), trashed);
    if (!trashed)
        QFile::remove(path);
}

void LinuxDesktopServicesTest::reveal_asksTheFileManagerOverDBus() {
    if (m_busAddress.isEmpty())
        QSKIP("no dbus-daemon to run a private session bus");
    QDBusConnection bus = QDBusConnection::connectToBus(m_busAddress, u"file-manager"_s);
    QVERIFY(bus.isConnected());
    FakeFileManager fileManager;
    QVERIFY(bus.registerObject(u"/org/freedesktop/FileManager1"_s, &fileManager,
                               QDBusConnection::ExportAllSlots));
    QVERIFY(bus.registerService(u"org.freedesktop.FileManager1"_s));
    QList<QUrl> opened;
    LinuxDesktopServices::Environment environment;
    environment.bus = QDBusConnection::connectToBus(m_busAddress, u"application"_s);
    environment.openUrl = [&opened](const QUrl& url) {
        opened.append(url);
        return true;
    };
    LinuxDesktopServices services(environment);

    services.revealInFileManager(
        {QUrl::fromLocalFile(u"/tmp/a b.zip"_s), QUrl::fromLocalFile(u"/tmp/c.zip"_s)});

    QTRY_COMPARE(fileManager.shown.size(), 1);
    QCOMPARE(fileManager.shown.first(), (QStringList{u"file:///tmp/a%20b.zip"_s, u"file:///tmp/c.zip"_s}));
    QTest::qWait(0);
    QVERIFY(opened.isEmpty());
    bus.unregisterService(u"org.freedesktop.FileManager1"_s);
}

void LinuxDesktopServicesTest::reveal_withoutFileManager_opensEachFolderOnce() {
    QList<QUrl> opened;
    LinuxDesktopServices::Environment environment;
    environment.bus = m_busAddress.isEmpty()
                          ? QDBusConnection(u"absent"_s)
                          : QDBusConnection::connectToBus(m_busAddress, u"no-file-manager"_s);
    environment.openUrl = [&opened](const QUrl& url) {
        opened.append(url);
        return true;
    };
    LinuxDesktopServices services(environment);

    services.revealInFileManager({QUrl::fromLocalFile(u"/srv/out/a.zip"_s),
                                  QUrl::fromLocalFile(u"/srv/out/b.zip"_s),
                                  QUrl::fromLocalFile(u"/srv/other/c.zip"_s)});

    QTRY_COMPARE(opened.size(), 2);
    QCOMPARE(opened, (QList<QUrl>{QUrl::fromLocalFile(u"/srv/out"_s), QUrl::fromLocalFile(u"/srv/other"_s)}));
}

void LinuxDesktopServicesTest::composeEmail_attachesEveryArchive() {
    // A mail launcher that writes down what it was given.
    const QString arguments = m_folder.filePath(u"arguments"_s);
    const QString program = m_folder.filePath(u"xdg-email"_s);
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + arguments.toLocal8Bit() + ".part'\nmv '" +
                 arguments.toLocal8Bit() + ".part' '" + arguments.toLocal8Bit() + "'\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    LinuxDesktopServices::Environment environment;
    environment.emailProgram = program;
    LinuxDesktopServices services(environment);

    services.composeEmail(
        {QUrl::fromLocalFile(u"/tmp/one two.zip"_s), QUrl::fromLocalFile(u"/tmp/three.tar.gz"_s)});

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(arguments), 10000);
    QFile written(arguments);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("--attach\n/tmp/one two.zip\n--attach\n/tmp/three.tar.gz\n"));
}

void LinuxDesktopServicesTest::composeEmail_withoutProgram_doesNothing() {
    int started = 0;
    LinuxDesktopServices::Environment environment;
    environment.emailProgram = m_folder.filePath(u"no-such-mailer"_s);
    environment.startDetached = [&started](const QString&, const QStringList&) {
        ++started;
        return true;
    };
    LinuxDesktopServices services(environment);
    services.composeEmail({QUrl::fromLocalFile(u"/tmp/a.zip"_s)});
    QCOMPARE(started, 0);
}

QTEST_MAIN(LinuxDesktopServicesTest)
#include "tst_linuxdesktopservices.moc"
