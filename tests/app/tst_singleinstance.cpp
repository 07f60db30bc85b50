#include "app/SingleInstance.h"

#include "app/CommandLineFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const char* const instanceMode = "--instance";

// This executable started a second time plays one launch of Balewick: it claims the instance and
// either reports what reaches it or exits once it has handed its files over.
int runInstance(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    SingleInstance instance(arguments.at(2));
    const QList<QUrl> files = CommandLineFiles::fileUrls(arguments.mid(3), QDir::currentPath());
    QTextStream out(stdout);
    if (instance.claim(files) == SingleInstance::Role::HandedOff) {
        out << "handed-off\n";
        return 0;
    }
    QObject::connect(&instance, &SingleInstance::filesOpened, [&out](const QList<QUrl>& urls) {
        QStringList texts;
        for (const QUrl& url : urls)
            texts.append(url.toString(QUrl::FullyEncoded));
        out << "files " << texts.join(QLatin1Char(' ')) << '\n';
        out.flush();
    });
    QObject::connect(&instance, &SingleInstance::reopenRequested, [&out] {
        out << "reopen\n";
        out.flush();
    });
    out << (instance.isListening() ? "ready\n" : "not-listening\n");
    out.flush();
    return QCoreApplication::exec();
}

// A socket file left behind as by a crash: bound, optionally still listening, never answering.
int leaveSocketBehind(const QString& path, bool listening) {
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    qstrncpy(address.sun_path, encoded.constData(), sizeof address.sun_path);
    if (::bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return -1;
    if (listening) {
        ::listen(descriptor, 4);
        return descriptor;
    }
    ::close(descriptor);
    return -1;
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_serverName;
    QProcess* m_primary = nullptr;

    QProcess* startInstance(const QStringList& files) {
        auto* process = new QProcess(this);
        process->setWorkingDirectory(m_folder.path());
        process->start(QCoreApplication::applicationFilePath(),
                       QStringList{QString::fromLatin1(instanceMode), m_serverName} + files);
        return process;
    }

    // Runs a later launch to its end while this process keeps its event loop turning.
    QString launchAgain(const QStringList& files) {
        QProcess* process = startInstance(files);
        if (!QTest::qWaitFor([process] { return process->state() == QProcess::NotRunning; }, 15000))
            return QStringLiteral("still running");
        if (process->exitStatus() != QProcess::NormalExit || process->exitCode() != 0)
            return QStringLiteral("failed");
        return QString::fromUtf8(process->readAllStandardOutput()).trimmed();
    }

    static bool waitForLine(QProcess* process, const QString& line) {
        QString seen;
        return QTest::qWaitFor(
            [&] {
                seen += QString::fromUtf8(process->readAllStandardOutput());
                return seen.split(QLatin1Char('\n')).contains(line);
            },
            15000);
    }

private slots:
    void init() {
        QVERIFY(m_folder.isValid());
        m_serverName = m_folder.filePath(QStringLiteral("instance-%1").arg(QTest::currentTestFunction()));
    }

    void cleanup() {
        if (m_primary) {
            m_primary->kill();
            m_primary->waitForFinished();
            delete m_primary;
            m_primary = nullptr;
        }
    }

    void secondLaunch_handsFilesToRunningInstanceAndExits() {
        m_primary = startInstance({});
        QVERIFY(waitForLine(m_primary, QStringLiteral("ready")));

        QCOMPARE(launchAgain({QStringLiteral("a.txt"), QStringLiteral("--option"),
                              QStringLiteral("file:///tmp/b%20c"), QStringLiteral("missing/")}),
                 QStringLiteral("handed-off"));
        const QString base = QUrl::fromLocalFile(m_folder.path()).toString(QUrl::FullyEncoded);
        QVERIFY(
            waitForLine(m_primary, QStringLiteral("files %1/a.txt file:///tmp/b%20c %1/missing").arg(base)));

        QCOMPARE(launchAgain({}), QStringLiteral("handed-off"));
        QVERIFY(waitForLine(m_primary, QStringLiteral("reopen")));
    }

    void staleSocket_isReplacedAndServesLaterLaunches_data() {
        QTest::addColumn<bool>("listening");
        QTest::newRow("nobody listening") << false;
        QTest::newRow("listening but never answering") << true;
    }

    void staleSocket_isReplacedAndServesLaterLaunches() {
        QFETCH(bool, listening);
        const int hung = leaveSocketBehind(m_serverName, listening);
        QVERIFY(QFileInfo::exists(m_serverName));

        SingleInstance instance(m_serverName);
        instance.setReplyTimeout(300);
        QList<QUrl> received;
        connect(&instance, &SingleInstance::filesOpened, this,
                [&received](const QList<QUrl>& urls) { received = urls; });
        QCOMPARE(instance.claim({QUrl::fromLocalFile(QStringLiteral("/x"))}), SingleInstance::Role::Primary);
        QVERIFY(instance.isListening());

        QCOMPARE(launchAgain({QStringLiteral("/data/one")}), QStringLiteral("handed-off"));
        QTRY_COMPARE(received, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/data/one"))});
        if (hung >= 0)
            ::close(hung);
    }

    void foreignMessage_isIgnored() {
        SingleInstance instance(m_serverName);
        int signals_ = 0;
        connect(&instance, &SingleInstance::filesOpened, this, [&signals_] { ++signals_; });
        connect(&instance, &SingleInstance::reopenRequested, this, [&signals_] { ++signals_; });
        QCOMPARE(instance.claim({}), SingleInstance::Role::Primary);

        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        QVERIFY(socket.waitForConnected(2000));
        socket.write(QByteArray(64, 'x'));
        QVERIFY(socket.waitForBytesWritten(2000));
        QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(signals_, 0);

        // Still serving the real thing afterwards.
        QCOMPARE(launchAgain({}), QStringLiteral("handed-off"));
        QTRY_COMPARE(signals_, 1);
    }
};

int main(int argc, char** argv) {
    if (argc >= 3 && qstrcmp(argv[1], instanceMode) == 0)
        return runInstance(argc, argv);
    QCoreApplication application(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
