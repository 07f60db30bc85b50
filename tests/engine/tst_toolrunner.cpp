#include "EngineTestSupport.h"
#include "Translations.h"
#include "engine/CompressionError.h"
#include "engine/PlatformError.h"
#include "engine/ToolRunner.h"

#include <QScopeGuard>

#include <atomic>
#include <csignal>
#include <thread>

using namespace EngineTest;

class ToolRunnerTest final : public QObject {
    Q_OBJECT

    PrivateTemporaryDirectory m_temporary;

    // Runs `script` in a shell; returns the error it ended with, if any.
    static std::optional<CompressionError> runShell(ToolRunner& runner, const QString& script,
                                                    const QStringList& arguments = {},
                                                    const std::optional<QString>& directory = std::nullopt,
                                                    const std::optional<QByteArray>& input = std::nullopt) {
        try {
            runner.run(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), script, "sh"} + arguments,
                       directory, input);
        } catch (const CompressionError& error) {
            return error;
        }
        return std::nullopt;
    }

private slots:
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }
    void cleanup() { QCOMPARE(m_temporary.leftovers(), QStringList()); }

    void run_turnsTheExitIntoAnOutcome_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("outcome"); // the error's description; empty for success
        QTest::addColumn<QString>("payload");
        const QString failed = qtTrId("error.failed");
        QTest::newRow("warnings with exit 0 succeed") << "echo 'zip warning: x' >&2"
                                                      << ""
                                                      << "";
        QTest::newRow("exit 1 without error output") << "exit 1" << failed << "";
        QTest::newRow("exit 2 shows the text, kept untrimmed in the payload")
            << "printf 'tar: Cannot open\\n' >&2; exit 2"
            << "tar: Cannot open"
            << "tar: Cannot open\n";
        QTest::newRow("error output that is not UTF-8 is dropped")
            << "printf 'caf\\351 \\377\\n' >&2; exit 3" << failed << "";
        QTest::newRow("death by a signal is cancelled, whatever it wrote")
            << "echo 'dying' >&2; kill -KILL $$" << qtTrId("error.cancelled") << "";
    }
    void run_turnsTheExitIntoAnOutcome() {
        QFETCH(QString, script);
        QFETCH(QString, outcome);
        QFETCH(QString, payload);
        ToolRunner runner;
        const std::optional<CompressionError> error = runShell(runner, script);
        QCOMPARE(error ? error->errorDescription() : QString(), outcome);
        QCOMPARE(error ? error->payload() : QString(), payload);
    }

    void run_missingTool_failsBeforeMakingAnyFile_data() {
        QTest::addColumn<QString>("executable");
        QTest::newRow("no such file") << "/usr/bin/hdiutil";
        QTest::newRow("a folder") << "/usr/bin";
        QTest::newRow("not executable") << "/etc/passwd";
        QTest::newRow("empty path") << "";
    }
    void run_missingTool_failsBeforeMakingAnyFile() {
        QFETCH(QString, executable);
        // With TMPDIR naming a plain file, making the error file would throw a PlatformError instead.
        qputenv("TMPDIR", "/etc/passwd");
        const auto restore = qScopeGuard([&] { qputenv("TMPDIR", QFile::encodeName(m_temporary.path())); });
        ToolRunner runner;
        QVERIFY_THROWS_EXCEPTION(PlatformError, runner.run(QStringLiteral("/bin/true"), {}));
        try {
            runner.run(executable, {});
            QFAIL("a missing tool ran");
        } catch (const CompressionError& error) {
            QCOMPARE(error, CompressionError::toolFailed(qtTrId("error.toolMissing")));
        }
    }

    void run_givesTheToolItsArgumentsFolderAndInput() {
        ToolRunner runner;
        const auto error = runShell(
            runner, QStringLiteral("printf '[%s]' \"$@\" >&2; pwd >&2; cat >&2; exit 1"),
            {"with space", "", "$HOME", "quote\"s'", "ünïcødé", "*"}, m_temporary.path(), "secret\n");
        QVERIFY(error);
        QCOMPARE(error->payload(), "[with space][][$HOME][quote\"s'][ünïcødé][*]" +
                                       QDir(m_temporary.path()).canonicalPath() + "\nsecret\n");
    }

    void run_toolThatIgnoresItsInput_doesNotRaiseSigpipe() {
        const auto previous = std::signal(SIGPIPE, SIG_DFL); // a SIGPIPE would now end this test
        ToolRunner runner;
        QVERIFY(!runShell(runner, QStringLiteral("exit 0"), {}, std::nullopt, QByteArray(8 << 20, 'x')));
        sigset_t pending;
        sigpending(&pending);
        QCOMPARE(sigismember(&pending, SIGPIPE), 0);
        std::signal(SIGPIPE, previous);
    }

    void run_childStartsWithDefaultSignalHandling() {
        // A tool that inherited an ignored SIGPIPE or a blocked SIGTERM would behave differently.
        const auto previous = std::signal(SIGPIPE, SIG_IGN);
        sigset_t blocked;
        sigset_t before;
        sigemptyset(&blocked);
        sigaddset(&blocked, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &blocked, &before);
        ToolRunner runner;
        const auto error =
            runShell(runner, "exec sed -n '/^Sig\\(Blk\\|Ign\\):/p;$q1' /proc/self/status >&2");
        pthread_sigmask(SIG_SETMASK, &before, nullptr);
        std::signal(SIGPIPE, previous);
        QVERIFY(error);
        const QStringList lines = error->payload().split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("SigBlk:\t0000000000000000"));
        QCOMPARE(lines.value(1).section(QLatin1Char('\t'), 1).toULongLong(nullptr, 16) & (1 << (SIGPIPE - 1)),
                 0ULL);
    }

    void terminateCurrent_racingTheLaunch_stopsTheChild_andLeavesNothingPending() {
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
            QCOMPARE(error.value_or(CompressionError::noItems()), CompressionError::cancelled());
        }
        runner.terminateCurrent(); // with nothing running: must not cancel the next tool
        QVERIFY(!runShell(runner, QStringLiteral("exit 0")));
    }
};

QTEST_GUILESS_MAIN(ToolRunnerTest)
#include "tst_toolrunner.moc"
