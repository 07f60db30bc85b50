#include "platform/LinuxDesktopServices.h"

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
    QStringList shown;
public slots:
    void ShowItems(const QStringList& uris, const QString&) { shown += uris; }
};

class LinuxDesktopServicesTest final : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;
    QProcess m_bus;
    QString m_busAddress; // empty without a dbus-daemon

private slots:
    void initTestCase() {
        // The Trash lives in the data folder of a home of our own, on the same file system as it.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QStandardPaths::setTestModeEnabled(true);
        m_bus.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address"_s});
        if (m_bus.waitForStarted() && m_bus.waitForReadyRead(10000))
            m_busAddress = QString::fromUtf8(m_bus.readLine()).trimmed();
    }
    void cleanupTestCase() {
        m_bus.kill();
        m_bus.waitForFinished();
    }

    void moveToTrash_movesOrRefusesWithoutFreezing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("trashed");
        QTest::newRow("ordinary name") << u"report.txt"_s << true;
        QTest::newRow("250-byte name, which Qt would retry for ever") << QString(250, u'b') << false;
        QTest::newRow("long in bytes, short in characters") << QString(125, u'\u00e9') << false;
    }
    void moveToTrash_movesOrRefusesWithoutFreezing() {
        QFETCH(QString, name);
        QFETCH(bool, trashed);
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QVERIFY(QDir().mkpath(data) && QFile(data + u'/' + name).open(QIODevice::WriteOnly));
        QCOMPARE(LinuxDesktopServices().moveToTrash(data + u'/' + name), trashed);
        QCOMPARE(QFile::exists(data + u'/' + name), !trashed);
        QCOMPARE(QFile::exists(data + u"/Trash/files/"_s + name), trashed);
    }

    void reveal_asksTheFileManager_elseOpensEachFolderOnce_data() {
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QList<QUrl>>("opened");
        QTest::newRow("file manager on the bus")
            << QStringList{"file:///srv/a%20b.zip", "file:///srv/c.zip", "file:///tmp/d.zip"}
            << QList<QUrl>();
        QTest::newRow("no file manager")
            << QStringList() << QList<QUrl>{QUrl(u"file:///srv"_s), QUrl(u"file:///tmp"_s)};
    }
    void reveal_asksTheFileManager_elseOpensEachFolderOnce() {
        QFETCH(QStringList, shown);
        QFETCH(QList<QUrl>, opened);
        if (m_busAddress.isEmpty())
            QSKIP("no dbus-daemon to run a private session bus");
        FakeFileManager fake;
        QDBusConnection bus = QDBusConnection::connectToBus(m_busAddress, QTest::currentDataTag());
        QVERIFY(shown.isEmpty() || (bus.registerObject(u"/org/freedesktop/FileManager1"_s, &fake,
                                                       QDBusConnection::ExportAllSlots) &&
                                    bus.registerService(u"org.freedesktop.FileManager1"_s)));
        LinuxDesktopServices::Environment environment;
        environment.bus = QDBusConnection::connectToBus(m_busAddress, u"application"_s);
        QList<QUrl> folders;
        environment.openUrl = [&folders](const QUrl& url) { return folders.append(url), true; };
        LinuxDesktopServices services(environment);
        services.revealInFileManager(
            {QUrl(u"file:///srv/a b.zip"_s), QUrl(u"file:///srv/c.zip"_s), QUrl(u"file:///tmp/d.zip"_s)});
        QTRY_COMPARE(fake.shown, shown);
        QTRY_COMPARE(folders, opened);
        bus.unregisterService(u"org.freedesktop.FileManager1"_s);
    }

    void composeEmail_handsEveryArchiveToTheMailer() {
        QStringList started;
        LinuxDesktopServices::Environment environment;
        environment.emailProgram = u"/bin/true"_s;
        environment.startDetached = [&started](const QString& program, const QStringList& arguments) {
            return started = QStringList{program} + arguments, true;
        };
        LinuxDesktopServices(environment)
            .composeEmail({QUrl(u"file:///tmp/one two.zip"_s), QUrl(u"file:///tmp/c.tgz"_s)});
        QCOMPARE(started,
                 (QStringList{"/bin/true", "--attach", "/tmp/one two.zip", "--attach", "/tmp/c.tgz"}));
    }
};

QTEST_MAIN(LinuxDesktopServicesTest)
#include "tst_linuxdesktopservices.moc"
