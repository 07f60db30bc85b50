#include "platform/FreedesktopNotifier.h"
#include "platform/LinuxDesktopServices.h"

#include <QDBusPendingCallWatcher>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
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

// Stands in for the desktop's notification service; it answers every notification with id 7.
class FakeNotifications final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList shown; // summary, body and actions of each notification
public slots:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap&, int) {
        shown += QStringList{summary, body} + actions;
        return 7;
    }
signals:
    void ActionInvoked(uint id, const QString& action);
};

class LinuxDesktopServicesTest final : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;
    QTemporaryDir m_platform;
    QProcess m_bus;
    QString m_busAddress; // empty without a dbus-daemon

private slots:
    void initTestCase() {
        // The Trash lives in the data folder of a home of our own, on the same file system as it.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        // Read once by GLib, so every row shares it.
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path() + u"/data"_s));
        // GIO and the desktop's own modules keep caches and settings of their own; not ours to check.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_platform.path() + u"/cache"_s));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_platform.path() + u"/config"_s));
        QStandardPaths::setTestModeEnabled(true);
        m_bus.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address"_s});
        if (m_bus.waitForStarted() && m_bus.waitForReadyRead(10000))
            m_busAddress = QString::fromUtf8(m_bus.readLine()).trimmed();
    }
    void cleanupTestCase() {
        m_bus.kill();
        m_bus.waitForFinished();
        fs::remove_all(QFile::encodeName(m_home.path()).toStdString());
    }

    // The Trash is the one in XDG_DATA_HOME, or the item's own volume's; nothing else is ever written.
    void moveToTrash_movesIntoATrashOrLeavesTheItem_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("trashedTo"); // relative to the work folder; empty: the item stays
        QTest::newRow("ordinary name") << u"ready"_s << "report.txt"_ba
                                       << "data/Trash/files/report.txt"_ba;
        // Decoded as text, the name would be the look-alike's.
        QTest::newRow("a name that is not UTF-8, beside its look-alike")
            << u"look-alike"_s << "bad\xFFname.txt"_ba
            << "data/Trash/files/bad\xFFname.txt"_ba;
        QTest::newRow("XDG_DATA_HOME missing") << u"no data folder"_s << "a.txt"_ba
                                               << "data/Trash/files/a.txt"_ba;
        QTest::newRow("a file named Trash") << u"Trash a file"_s << "b.txt"_ba << QByteArray();
        if (::geteuid() != 0) // permissions do not bind root
            QTest::newRow("read-only Trash") << u"read-only Trash"_s << "c.txt"_ba << QByteArray();
        QTest::newRow("250-byte name, which Qt would retry for ever")
            << u"ready"_s << QByteArray(250, 'b') << QByteArray();
        // GIO gives a memory volume no Trash, and never copies an item into the home Trash instead.
        QTest::newRow("an item on a tmpfs volume") << u"other volume"_s << "vol/d.txt"_ba << QByteArray();
    }
    void moveToTrash_movesIntoATrashOrLeavesTheItem() {
        QFETCH(QString, setup);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, trashedTo);
        const QString work = m_home.path();
        const QString data = work + u"/data"_s;
        // QDir cannot see names that are not UTF-8, so it could not remove them.
        std::error_code error;
        fs::remove_all(QFile::encodeName(data).toStdString(), error);
        fs::remove_all(QFile::encodeName(work + u"/items"_s).toStdString(), error);
        if (setup != u"no data folder"_s)
            QVERIFY(QDir().mkpath(data));
        if (setup == u"Trash a file"_s)
            QVERIFY(QFile(data + u"/Trash"_s).open(QIODevice::WriteOnly));
        if (setup == u"read-only Trash"_s) {
            QVERIFY(QDir().mkpath(data + u"/Trash/files"_s) && QDir().mkpath(data + u"/Trash/info"_s));
            QFile::setPermissions(data + u"/Trash/info"_s, QFile::ReadOwner | QFile::ExeOwner);
        }
        if (setup == u"other volume"_s) {
            QDir().mkpath(work + u"/vol"_s);
            if (QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"tmpfs"_s, work + u"/vol"_s}) != 0)
                QSKIP("a tmpfs cannot be mounted here");
        }
        const auto unmount = qScopeGuard([&] {
            if (setup == u"other volume"_s)
                QProcess::execute(u"umount"_s, {work + u"/vol"_s});
        });
        const QByteArray folder = QFile::encodeName(work) + (name.contains('/') ? "/" : "/items/");
        const QByteArray lookAlike = folder + "bad\xEF\xBF\xBDname.txt";
        const auto exists = [](const QByteArray& path) { return ::access(path.constData(), F_OK) == 0; };
        QVERIFY(QDir().mkpath(QFile::decodeName(folder + name).section(u'/', 0, -2)));
        for (const QByteArray& path : {folder + name, setup == u"look-alike"_s ? lookAlike : QByteArray()})
            QVERIFY(path.isEmpty() || ::close(::open(path.constData(), O_WRONLY | O_CREAT, 0644)) == 0);
        const QStringList before =
            QDir(work).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        QCOMPARE(LinuxDesktopServices().moveToTrash(folder + name), !trashedTo.isEmpty());
        QCOMPARE(exists(folder + name), trashedTo.isEmpty());
        if (!trashedTo.isEmpty())
            QVERIFY(exists(QFile::encodeName(work) + '/' + trashedTo));
        QCOMPARE(exists(lookAlike), setup == u"look-alike"_s);
        QStringList after = QDir(work).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        if (setup == u"no data folder"_s)
            after.removeAll(u"data"_s);
        QCOMPARE(after, before);
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

    void notify_offersShow_andRunsItWhenChosen() {
        if (m_busAddress.isEmpty())
            QSKIP("no dbus-daemon to run a private session bus");
        FakeNotifications fake;
        QDBusConnection bus = QDBusConnection::connectToBus(m_busAddress, u"notifications"_s);
        QVERIFY(bus.registerObject(u"/org/freedesktop/Notifications"_s, &fake,
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
                bus.registerService(u"org.freedesktop.Notifications"_s));
        FreedesktopNotifier notifier(
            [this] { return QDBusConnection::connectToBus(m_busAddress, u"notifier"_s); });
        int shows = 0;
        notifier.notify(u"Done"_s, u"a.zip was made"_s, [&shows] { ++shows; });
        QTRY_COMPARE(fake.shown.mid(0, 2), (QStringList{"Done", "a.zip was made"}));
        QVERIFY(fake.shown.contains(u"show"_s));
        // Until the service's id has come back to the notifier no action can reach it: ask again.
        QVERIFY(QTest::qWaitFor([&] {
            emit fake.ActionInvoked(8, u"show"_s); // another program's notification
            emit fake.ActionInvoked(7, u"show"_s);
            return shows > 0;
        }));
        bus.unregisterService(u"org.freedesktop.Notifications"_s);
        // With no service on the bus, nothing happens once the call has failed.
        notifier.notify(u"Done"_s, QString(), [&shows] { ++shows; });
        QTRY_VERIFY(notifier.findChildren<QDBusPendingCallWatcher*>().isEmpty());
        QCOMPARE(shows, 1);
    }
};

QTEST_MAIN(LinuxDesktopServicesTest)
#include "tst_linuxdesktopservices.moc"
