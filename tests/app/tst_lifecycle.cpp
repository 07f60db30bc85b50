// The installed application as a user's session sees it: killed or sent SIGTERM in the middle of a
// bzip2 archive, no tool outlives it and nothing it made stays behind once it has started again.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

namespace {

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Processes whose command line or open files mention `text` (bzip2, started by tar, names nothing
// on its command line but holds the archive open).
QStringList processesMentioning(const QString& text) {
    QStringList found;
    const QStringList pids = QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs);
    for (const QString& pid : pids) {
        QFile commandLine("/proc/" + pid + "/cmdline");
        bool mentions =
            commandLine.open(QIODevice::ReadOnly) && commandLine.readAll().contains(text.toUtf8());
        for (const QFileInfo& file : QDir("/proc/" + pid + "/fd").entryInfoList(QDir::System))
            mentions = mentions || file.symLinkTarget().startsWith(text);
        if (mentions && pid != QString::number(::getpid()))
            found.append(pid);
    }
    return found;
}

} // namespace

class LifecycleTest final : public QObject {
    Q_OBJECT

    QTemporaryDir m_work;
    QString home() const { return m_work.filePath("home"); }
    QString items() const { return m_work.filePath("items"); }
    QString temporary() const { return m_work.filePath("tmp"); }
    QString executable() const { return home() + "/.local/bin/balewick"; }

    void start(QProcess& app, const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home());
        environment.insert("TMPDIR", temporary());
        environment.insert("XDG_CONFIG_HOME", home() + "/.config");
        environment.insert("XDG_STATE_HOME", home() + "/.local/state");
        environment.insert("XDG_RUNTIME_DIR", m_work.filePath("run"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        app.setProcessEnvironment(environment);
        app.start(executable(), arguments);
        QVERIFY(app.waitForStarted());
    }

private slots:
    void initTestCase() {
        // Balewick starts only from an applications folder, so it is installed into this home.
        QVERIFY(QDir().mkpath(home() + "/.local/bin") && QDir().mkpath(items() + "/Big") &&
                QDir().mkpath(temporary()) && QDir().mkpath(m_work.filePath("run")));
        QFile::setPermissions(m_work.filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(QFile::copy(BALEWICK_EXECUTABLE, executable()));
        QFile::setPermissions(executable(), QFile::ReadOwner | QFile::ExeOwner);
        QSettings settings(home() + "/.config/Balewick/Balewick.conf", QSettings::IniFormat);
        settings.setValue("BWSelectedAction", 0);
        settings.setValue("BWActionFormats", QVariantList{3, 3, 3}); // bzip2 for every action
        settings.setValue("BWDestination", "sameFolder");
        settings.setValue("BWAutoCheckUpdates", false);
        settings.sync();
        QFile big(items() + "/Big/random.bin");
        QFile random("/dev/urandom");
        QVERIFY(big.open(QIODevice::WriteOnly) && random.open(QIODevice::ReadOnly));
        for (int megabyte = 0; megabyte < 40; ++megabyte)
            big.write(random.read(1 << 20));
    }

    void endedMidArchive_leavesNoToolAndNothingAfterTheNextStart_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("kill -9") << int(SIGKILL);
        QTest::newRow("SIGTERM, as a logout sends it") << int(SIGTERM);
    }
    void endedMidArchive_leavesNoToolAndNothingAfterTheNextStart() {
        QFETCH(int, signal);
        QProcess app;
        start(app, {items() + "/Big"});
        // bzip2 is at work once the hidden folder holds the archive being written.
        const auto hiddenFolder = [&] {
            const QStringList hidden = QDir(items()).entryList({".balewick-*"}, QDir::Dirs | QDir::Hidden);
            return hidden.isEmpty() ? QString() : items() + "/" + hidden.first();
        };
        QTRY_VERIFY_WITH_TIMEOUT(!hiddenFolder().isEmpty() && !entries(hiddenFolder()).isEmpty(), 20000);
        ::kill(pid_t(app.processId()), signal);
        QVERIFY(app.waitForFinished(30000));
        if (signal != SIGKILL)
            QCOMPARE(app.exitStatus(), QProcess::NormalExit); // stopped, cleaned up, exited
        QTRY_COMPARE_WITH_TIMEOUT(processesMentioning(m_work.path()), QStringList(), 20000);

        QProcess again;
        start(again, {});
        // Once it owns the socket, it has swept and a signal reaches its clean exit.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_work.filePath("run/balewick-%1").arg(::getuid())),
                                 30000);
        QTRY_COMPARE_WITH_TIMEOUT(entries(items()), QStringList{"Big"}, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(entries(temporary()), QStringList(), 30000);
        QCOMPARE(entries(home() + "/.local/state/balewick/pending"), QStringList());
        ::kill(pid_t(again.processId()), SIGTERM);
        QVERIFY(again.waitForFinished(30000));
        QCOMPARE(again.exitStatus(), QProcess::NormalExit);
    }
};

QTEST_GUILESS_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
