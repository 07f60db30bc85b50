// Progress figures: what a real process tree has read, and the percentage and time left made of it.
#include "engine/ProcessReads.h"
#include "engine/ProgressEstimate.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

using namespace std::chrono_literals;

class ProgressTest final : public QObject {
    Q_OBJECT

private slots:
    void bytesRead_countsTheGrandchildThatReads_andNothingOnceGone() {
        QTemporaryDir work;
        QFile line(work.filePath(QStringLiteral("line")));
        QVERIFY(line.open(QIODevice::WriteOnly) && line.write(QByteArray(200000, 'x') + '\n') > 0);
        line.close();
        // The shell's read takes one byte per system call: a slow, steady reader, two levels down.
        QProcess tool;
        tool.setChildProcessModifier([] { ::setpgid(0, 0); }); // so that the whole tree can be ended
        tool.start(QStringLiteral("sh"),
                   {QStringLiteral("-c"),
                    QStringLiteral("sh -c 'read -r l < \"$0\"; sleep 30' \"$0\" & wait"), line.fileName()});
        QVERIFY(tool.waitForStarted());
        const pid_t processId = pid_t(tool.processId());
        qint64 earlier = 0;
        QTRY_VERIFY_WITH_TIMEOUT((earlier = ProcessReads::bytesRead(processId).value_or(0)) > 0, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(ProcessReads::bytesRead(processId).value_or(0) >= 200001, 20000);
        QVERIFY(ProcessReads::bytesRead(processId).value_or(0) < 200001 + 4096);
        ::kill(-processId, SIGKILL);
        tool.waitForFinished();
        QCOMPARE(ProcessReads::bytesRead(processId), std::nullopt);
    }

    void estimate_steadyWork_givesRisingPercentAndATimeLeftNearTheTruth() {
        ProgressEstimate estimate;
        const auto start = ProgressEstimate::Clock::time_point();
        estimate.reset(100'000'000, start);
        QCOMPARE(estimate.percent(), std::nullopt); // nothing read yet
        int lastPercent = -1;
        for (int tick = 1; tick <= 40; ++tick) { // 2.5 MB every 200 ms, with some jitter: 8 s in all
            const qint64 done = tick * 2'500'000 + (tick % 2 ? 600'000 : -600'000);
            estimate.sample(done, start + tick * 200ms);
            QVERIFY(estimate.percent().value_or(-1) >= lastPercent);
            lastPercent = *estimate.percent();
            if (tick < 10)
                QCOMPARE(estimate.timeLeft(), std::nullopt);
            if (tick == 20) // 4 s done, 4 s to go
                QVERIFY2(std::abs(estimate.timeLeft()->count() - 4) <= 1, "time left far from the truth");
        }
        estimate.sample(100'000'000, start + 8200ms);
        QCOMPARE(estimate.percent(), 100);
        estimate.sample(100'000'000, start + 10s);
        QCOMPARE(estimate.percent(), std::nullopt); // stopped growing
    }

    void estimate_unknownTotal_staysIndeterminate() {
        ProgressEstimate estimate;
        estimate.reset(0);
        estimate.sample(5000);
        QCOMPARE(estimate.percent(), std::nullopt);
        QCOMPARE(estimate.timeLeft(), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(ProgressTest)
#include "tst_progress.moc"
