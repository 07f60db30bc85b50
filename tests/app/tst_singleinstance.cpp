#include "app/CommandLineFiles.h"
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
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

// This executable started again plays one launch: it claims the instance, then either reports what
// reaches it or exits once it has handed its files over.
int runInstance(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    SingleInstance instance(QFile::decodeName(argv[2]));
    QTextStream out(stdout);
    QByteArrayList files;
    for (int index = 3; index < argc; ++index)
        files.append(argv[index]);
    if (instance.claim(CommandLineFiles::fileUrls(files, CommandLineFiles::workingDirectory())) ==
        SingleInstance::Role::HandedOff) {
        out << "handed-off\n";
        return 0;
    }
    QObject::connect(&instance, &SingleInstance::filesOpened, [&out](const QList<QUrl>& urls) {
        QStringList texts;
        for (const QUrl& url : urls)
            texts.append(url.toString(QUrl::FullyEncoded));
        out << "files " << texts.join(QLatin1Char(' ')) << Qt::endl;
    });
    QObject::connect(&instance, &SingleInstance::reopenRequested, [&out] { out << "reopen" << Qt::endl; });
    out << (instance.isListening() ? "ready" : "not-listening") << Qt::endl;
    return QCoreApplication::exec();
}

// A socket file left behind as by a crash: bound, maybe still listening, never answering.
int leaveSocketBehind(const QString& path, bool listening) {
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
    if (::bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listening &&
        ::listen(descriptor, 4) == 0)
        return descriptor;
    ::close(descriptor);
    return -1;
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_serverName;

    std::unique_ptr<QProcess> startInstance(const QStringList& files) {
        auto process = std::make_unique<QProcess>();
        process->setWorkingDirectory(m_folder.path());
        process->start(QCoreApplication::applicationFilePath(),
                       QStringList{QString::fromLatin1(instanceMode), m_serverName} + files);
        return process;
    }

    // Runs a later launch to its end while this process keeps its event loop turning.
    QString launchAgain(const QStringList& files) {
        const auto process = startInstance(files);
        if (!QTest::qWaitFor([&process] { return process->state() == QProcess::NotRunning; }, 15000))
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
        m_serverName = m_folder.filePath(QStringLiteral("instance-%1").arg(QTest::currentTestFunction()));
    }

    void secondLaunch_handsFilesToRunningInstanceAndExits() {
        const auto primary = startInstance({});
        QVERIFY(waitForLine(primary.get(), QStringLiteral("ready")));
        QCOMPARE(launchAgain({"a.txt", "--option", "file:///tmp/b%20c", "missing/"}),
                 QStringLiteral("handed-off"));
        const QString base = QUrl::fromLocalFile(m_folder.path()).toString(QUrl::FullyEncoded);
        QVERIFY(waitForLine(primary.get(),
                            QStringLiteral("files %1/a.txt file:///tmp/b%20c %1/missing").arg(base)));
        // Without files a second launch asks to show the window again.
        QCOMPARE(launchAgain({}), QStringLiteral("handed-off"));
        QVERIFY(waitForLine(primary.get(), QStringLiteral("reopen")));
        primary->kill();
        primary->waitForFinished();
    }

    void malformedMessage_isDroppedAndInstanceKeepsServing_data() {
        QTest::addColumn<QByteArray>("message");
        const QByteArray magic = QByteArray::fromHex("42574b31");
        QTest::newRow("more paths than allowed") << magic + QByteArray::fromHex("000186a1");
        QTest::newRow("foreign magic") << QByteArray::fromHex("0000000100000000");
    }

    void malformedMessage_isDroppedAndInstanceKeepsServing() {
        QFETCH(QByteArray, message);
        const auto primary = startInstance({});
        QVERIFY(waitForLine(primary.get(), QStringLiteral("ready")));
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        QVERIFY(socket.waitForConnected(5000));
        socket.write(message);
        // Dropped at once, not left waiting for paths that will never come.
        QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(launchAgain({"/data/one"}), QStringLiteral("handed-off"));
        QVERIFY(waitForLine(primary.get(), QStringLiteral("files file:///data/one")));
        primary->kill();
        primary->waitForFinished();
    }

    void leftoverSocket_isReplacedOnlyWhenItRefuses_data() {
        QTest::addColumn<bool>("listening");
        QTest::newRow("refusing: left by a crash") << false;
        QTest::newRow("accepting but not answering: busy instance") << true;
    }

    void leftoverSocket_isReplacedOnlyWhenItRefuses() {
        QFETCH(bool, listening);
        const int hung = leaveSocketBehind(m_serverName, listening);
        QVERIFY(QFileInfo::exists(m_serverName));
        SingleInstance instance(m_serverName);
        instance.setReplyTimeout(300);
        QList<QUrl> received;
        connect(&instance, &SingleInstance::filesOpened, this,
                [&received](const QList<QUrl>& urls) { received = urls; });
        const auto role = instance.claim({QUrl::fromLocalFile(QStringLiteral("/x"))});
        if (listening) {
            // A live instance keeps its socket and reads the message once it wakes.
            QCOMPARE(role, SingleInstance::Role::HandedOff);
            QVERIFY(!instance.isListening());
            QVERIFY(QFileInfo::exists(m_serverName));
        } else {
            QCOMPARE(role, SingleInstance::Role::Primary);
            QVERIFY(instance.isListening());
            QCOMPARE(QFileInfo(m_serverName).permissions() & (QFile::ReadOther | QFile::WriteOther),
                     QFileDevice::Permissions());
            QCOMPARE(launchAgain({"/data/one"}), QStringLiteral("handed-off"));
            QTRY_COMPARE(received, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/data/one"))});
        }
        if (hung >= 0)
            ::close(hung);
    }
};

int main(int argc, char** argv) {
    if (argc >= 3 && qstrcmp(argv[1], instanceMode) == 0)
        return runInstance(argc, argv);
    QCoreApplication application(argc, argv);
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
