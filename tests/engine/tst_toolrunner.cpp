#include "EngineTestSupport.h"
#include "Translations.h"
#include "engine/CompressionError.h"
#include "engine/PlatformError.h"
#include "engine/ToolRunner.h"

#include <QElapsedTimer>
#include <QTest>

#include <atomic>
#include <chrono>
#include <csignal>
#include <functional>
#include <optional>
#include <thread>

using namespace EngineTest;

namespace {

// Runs a tool on a thread of its own; stops and joins it however the test ends.
class BackgroundRun final {
public:
    BackgroundRun(ToolRunner& runner, std::function<void()> work)
        : m_runner(runner)
        , m_thread([this, work = std::move(work)] {
            work();
            m_finished = true;
        }) {}
    ~BackgroundRun() {
        while (!m_finished.load()) {
            m_runner.terminateCurrent();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        m_thread.join();
    }
    bool isFinished() const { return m_finished.load(); }

private:
    ToolRunner& m_runner;
    std::atomic_bool m_finished = false;
    std::thread m_thread;
};

} // namespace

Q_DECLARE_METATYPE(std::optional<CompressionError::Kind>)

class ToolRunnerTest final : public QObject {
    Q_OBJECT

private:
    PrivateTemporaryDirectory m_temporary;
    const QString m_shell = QStringLiteral("/bin/sh");

    // Runs `script` in a shell; returns the error, if any.
    static std::optional<CompressionError> runShell(ToolRunner& runner, const QString& script,
                                                    const QStringList& arguments = {},
                                                    const std::optional<QString>& directory = std::nullopt,
                                                    const std::optional<QByteArray>& input = std::nullopt) {
        try {
            runner.run(QStringLiteral("/bin/sh"),
                       QStringList{QStringLiteral("-c"), script, QStringLiteral("sh")} + arguments, directory,
                       input);
        } catch (const CompressionError& error) {
            return error;
        }
        return std::nullopt;
    }

private slots:
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }

    void cleanup() { QCOMPARE(m_temporary.leftovers(), QStringList()); }

    void run_outcome_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<std::optional<CompressionError::Kind>>("kind");
        QTest::addColumn<QString>("payload");
        QTest::addColumn<QString>("description");

        const QString failed = qtTrId("error.failed");
        QTest::newRow("warnings with exit 0 succeed")
            << "echo 'zip warning: name not matched' >&2; exit 0" << std::optional<CompressionError::Kind>()
            << QString() << QString();
        QTest::newRow("exit 1 with empty error output")
            << "exit 1" << std::optional(CompressionError::Kind::toolFailed) << QString() << failed;
        QTest::newRow("exit 2 keeps the text untrimmed")
            << "printf 'tar: out.tar: Cannot open\\n' >&2; exit 2"
            << std::optional(CompressionError::Kind::toolFailed) << "tar: out.tar: Cannot open\n"
            << "tar: out.tar: Cannot open";
        QTest::newRow("error output that is not UTF-8 is dropped")
            << "printf 'caf\\351 \\377\\n' >&2; exit 3" << std::optional(CompressionError::Kind::toolFailed)
            << QString() << failed;
        QTest::newRow("death by a signal is cancelled, whatever it wrote")
            << "echo 'about to die' >&2; kill -KILL $$" << std::optional(CompressionError::Kind::cancelled)
            << QString() << qtTrId("error.cancelled");
    }
    void run_outcome() {
        QFETCH(QString, script);
        QFETCH(std::optional<CompressionError::Kind>, kind);
        QFETCH(QString, payload);
        QFETCH(QString, description);

        ToolRunner runner;
        const std::optional<CompressionError> error = runShell(runner, script);
        QCOMPARE(error.has_value(), kind.has_value());
        if (error) {
            QCOMPARE(error->kind(), *kind);
            QCOMPARE(error->payload(), payload);
            QCOMPARE(error->errorDescription(), description);
        }
    }

    void run_missingTool_failsBeforeMakingAnyFile_data() {
        QTest::addColumn<QString>("executable");
        const QString notExecutable = m_temporary.path() + QStringLiteral("/../plain.txt");
        writeFile(notExecutable, "#!/bin/sh\n");
        QTest::newRow("no such file") << QStringLiteral("/usr/bin/hdiutil");
        QTest::newRow("a folder") << QStringLiteral("/usr/bin");
        QTest::newRow("not executable") << notExecutable;
        QTest::newRow("empty path") << QString();
    }
    void run_missingTool_failsBeforeMakingAnyFile() {
        QFETCH(QString, executable);
        // With the temporary directory pointing at a plain file, any attempt to make the error
        // file would surface as a PlatformError instead.
        const TemporaryDirectoryOverride brokenTemporary(m_temporary.path() +
                                                         QStringLiteral("/../plain.txt"));
        ToolRunner runner;
        try {
            runner.run(executable, {});
            QFAIL("a missing tool ran");
        } catch (const CompressionError& error) {
            QCOMPARE(error, CompressionError::toolFailed(qtTrId("error.toolMissing")));
        }
    }

    void run_errorFileCannotBeMade_failsWithPlatformError() {
        const TemporaryDirectoryOverride brokenTemporary(m_temporary.path() +
                                                         QStringLiteral("/../plain.txt"));
        ToolRunner runner;
        try {
            runner.run(QStringLiteral("/bin/true"), {});
            QFAIL("ran without an error file");
        } catch (const PlatformError& error) {
            QCOMPARE(error.errorNumber(), ENOTDIR);
            QVERIFY2(error.errorDescription().contains(QStringLiteral("Not a directory")),
                     qPrintable(error.errorDescription()));
        }
    }

    void run_passesArgumentsVerbatim() {
        const QStringList arguments{QStringLiteral("with space"), QString(),
                                    QStringLiteral("$HOME"),      QStringLiteral("quote\"s'"),
                                    QStringLiteral("ünïcødé"),    QStringLiteral("*")};
        ToolRunner runner;
        const auto error = runShell(
            runner, QStringLiteral("for a in \"$@\"; do printf '[%s]' \"$a\" >&2; done; exit 1"), arguments);
        QVERIFY(error);
        QCOMPARE(error->payload(), QStringLiteral("[with space][][$HOME][quote\"s'][ünïcødé][*]"));
    }

    void run_workingDirectory_isTheChildsCurrentFolder() {
        ToolRunner runner;
        const auto error = runShell(runner, QStringLiteral("pwd >&2; exit 1"), {}, m_temporary.path());
        QVERIFY(error);
        QCOMPARE(error->payload(), QDir(m_temporary.path()).canonicalPath() + QLatin1Char('\n'));
    }

    void run_missingWorkingDirectory_failsWithPlatformError() {
        ToolRunner runner;
        QVERIFY_THROWS_EXCEPTION(PlatformError, runShell(runner, QStringLiteral("exit 0"), {},
                                                         QStringLiteral("/nonexistent/folder")));
    }

    void run_input_arrivesOnStandardInputFollowedByEndOfFile() {
        ToolRunner runner;
        const auto error =
            runShell(runner, QStringLiteral("cat >&2; exit 1"), {}, std::nullopt, QByteArray("secret\n"));
        QVERIFY(error);
        QCOMPARE(error->payload(), QStringLiteral("secret\n"));
    }

    void run_toolThatIgnoresItsInput_doesNotRaiseSigpipe() {
        const auto previous = std::signal(SIGPIPE, SIG_DFL); // a SIGPIPE would now end this test
        sigset_t maskBefore;
        pthread_sigmask(SIG_SETMASK, nullptr, &maskBefore);

        ToolRunner runner;
        const QByteArray input(8 << 20, 'x'); // far more than a pipe holds
        QCOMPARE(runShell(runner, QStringLiteral("exit 0"), {}, std::nullopt, input).has_value(), false);

        sigset_t maskAfter;
        sigset_t pending;
        pthread_sigmask(SIG_SETMASK, nullptr, &maskAfter);
        sigpending(&pending);
        QCOMPARE(sigismember(&maskAfter, SIGPIPE), sigismember(&maskBefore, SIGPIPE));
        QCOMPARE(sigismember(&pending, SIGPIPE), 0);
        std::signal(SIGPIPE, previous);
    }

    void run_childStartsWithDefaultSignalHandling() {
        // What this process ignores or blocks must not leak into the tools it starts.
        const auto previous = std::signal(SIGPIPE, SIG_IGN);
        sigset_t blocked;
        sigset_t maskBefore;
        sigemptyset(&blocked);
        sigaddset(&blocked, SIGUSR1);
        sigaddset(&blocked, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &blocked, &maskBefore);

        ToolRunner runner;
        const auto error = runShell(
            runner,
            QStringLiteral("exec sed -n -e '/^Sig\\(Blk\\|Ign\\):/p' -e '$q1' /proc/self/status >&2"));

        pthread_sigmask(SIG_SETMASK, &maskBefore, nullptr);
        std::signal(SIGPIPE, previous);
        QVERIFY(error);
        const QStringList lines = error->payload().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const auto bits = [](const QString& line) {
            return line.section(QLatin1Char('\t'), 1).toULongLong(nullptr, 16);
        };
        const auto bit = [](int signal) { return 1ULL << (signal - 1); };
        QCOMPARE(bits(lines[0]) & (bit(SIGUSR1) | bit(SIGTERM) | bit(SIGPIPE)), 0ULL); // SigBlk
        QCOMPARE(bits(lines[1]) & bit(SIGPIPE), 0ULL);                                 // SigIgn
    }

    void terminateCurrent_withNothingRunning_doesNothing() {
        ToolRunner runner;
        QElapsedTimer timer;
        timer.start();
        runner.terminateCurrent();
        runner.terminateCurrent();
        QVERIFY(timer.elapsed() < 1000);
        QCOMPARE(runShell(runner, QStringLiteral("exit 0")).has_value(), false); // nothing left pending
    }

    void terminateCurrent_duringRun_givesCancelledEvenAfterErrorOutput() {
        ToolRunner runner;
        std::optional<CompressionError> error;
        QElapsedTimer timer;
        timer.start();
        BackgroundRun run(
            runner, [&] { error = runShell(runner, QStringLiteral("echo 'working' >&2; exec sleep 60")); });
        // The child is running once its error output has arrived.
        const auto errorFileHasText = [&] {
            const QStringList files = QDir(m_temporary.path()).entryList({QStringLiteral("bw-err-*")});
            return !files.isEmpty() &&
                   QFileInfo(m_temporary.path() + QLatin1Char('/') + files.first()).size() > 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(errorFileHasText(), 10000);
        runner.terminateCurrent();
        QTRY_VERIFY_WITH_TIMEOUT(run.isFinished(), 10000);
        QVERIFY(timer.elapsed() < 30000);
        QVERIFY(error);
        QCOMPARE(error->kind(), CompressionError::Kind::cancelled);
    }

    void terminateCurrent_racingTheLaunch_stopsTheChild() {
        // Requests that arrive while the child is being launched must neither crash nor be lost.
        ToolRunner runner;
        for (int attempt = 0; attempt < 25; ++attempt) {
            std::atomic_bool finished = false;
            std::thread stopper([&] {
                while (!finished.load())
                    runner.terminateCurrent();
            });
            std::optional<CompressionError> error;
            try {
                runner.run(QStringLiteral("/bin/sleep"), {QStringLiteral("60")});
            } catch (const CompressionError& caught) {
                error = caught;
            }
            finished = true;
            stopper.join();
            QVERIFY(error);
            QCOMPARE(error->kind(), CompressionError::Kind::cancelled);
        }
    }
};

QTEST_GUILESS_MAIN(ToolRunnerTest)
#include "tst_toolrunner.moc"
