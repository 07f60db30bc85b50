#include "Translations.h"
#include "support/ManualClock.h"

#include "engine/RunProgress.h"
#include "workflow/ProgressPresenter.h"

#include <QTest>

#include <cmath>

using namespace std::chrono_literals;

namespace {

// A job as stretches of steady pace: seconds and bytes per second (0: a stall).
using Pace = QList<QPair<double, double>>;

} // namespace

// Everything the progress display shows, fed exact times through the clock it is given.
class ProgressPresenterTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }

    void display_dueAfterTheDelay_figuresThenTimeLeft_clearedAtTheEnd() {
        ManualClock clock;
        std::optional<qint64> toolReads;
        ProgressPresenter presenter(clock, [&toolReads] { return toolReads; });
        presenter.begin();
        clock.advance(449ms);
        presenter.update();
        QVERIFY(!presenter.showProgress());
        clock.advance(1ms);
        presenter.update();
        QVERIFY(presenter.showProgress());
        QCOMPARE(presenter.percent(), -1); // nothing to count yet

        // A tool step: its own reads tell, 1 MB a second of 20 MB.
        presenter.runProgress()->begin(20'000'000, -1);
        for (int tick = 0; tick <= 20; ++tick) {
            toolReads = tick * 200'000;
            presenter.update();
            if (tick == 5)
                QCOMPARE(presenter.amount(), qtTrId("progress.percentOnly").arg(5));
            clock.advance(200ms);
        }
        // 4 s in, 16 s left: shown in steps of five seconds.
        QCOMPARE(presenter.amount(),
                 qtTrId("progress.percent").arg(20).arg(qtTrId("progress.seconds").arg(15)));
        presenter.end();
        QVERIFY(!presenter.showProgress());
        QVERIFY(presenter.amount().isEmpty());
    }

    void timeLeft_nearTheTruthWheneverShown_data() {
        QTest::addColumn<double>("burst"); // bytes counted by the first sample, as a step starts
        QTest::addColumn<Pace>("pace");
        QTest::addColumn<double>("settled"); // from then on the time left shows and is near the truth
        QTest::newRow("steady 20 s") << 0.0 << Pace{{20, 1e6}} << 2.0;
        QTest::newRow("a burst at the start") << 6e6 << Pace{{14, 1e6}} << 2.0;
        QTest::newRow("the pace halves midway") << 0.0 << Pace{{5, 2e6}, {10, 1e6}} << 9.0;
        QTest::newRow("a stall") << 0.0 << Pace{{5, 1e6}, {3, 0}, {15, 1e6}} << 13.0;
        QTest::newRow("a 40-minute job") << 0.0 << Pace{{2400, 1e5}} << 2.0;
    }
    void timeLeft_nearTheTruthWheneverShown() {
        QFETCH(double, burst);
        QFETCH(Pace, pace);
        QFETCH(double, settled);
        double duration = 0;
        double total = burst;
        for (const auto& [seconds, rate] : pace) {
            duration += seconds;
            total += seconds * rate;
        }
        const auto doneAt = [&](double time) {
            double done = burst;
            for (const auto& [seconds, rate] : pace) {
                done += std::min(time, seconds) * rate;
                time = std::max(0.0, time - seconds);
            }
            return qint64(done);
        };
        ManualClock clock;
        ProgressPresenter presenter(clock, {});
        presenter.begin();
        presenter.runProgress()->begin(qint64(total), 0);
        presenter.update();
        double lastGrowth = 0;
        for (int tick = 1; tick * 0.2 < duration; ++tick) {
            const double time = tick * 0.2;
            clock.advance(200ms);
            const qint64 done = doneAt(time);
            if (done > presenter.runProgress()->done)
                lastGrowth = time;
            presenter.runProgress()->done = done;
            presenter.update();
            const std::optional<std::chrono::seconds> left = presenter.timeLeft();
            const QByteArray at = "at " + QByteArray::number(time) +
                                  " s: " + (left ? QByteArray::number(qlonglong(left->count())) : "none");
            if (time - lastGrowth > 1.6)
                QVERIFY2(!left && presenter.percent() == -1, at); // a stall shows no figures
            else if (time >= settled - 1e-9) {
                const double truth = duration - time;
                QVERIFY2(left && std::abs(double(left->count()) - truth) <= std::max(0.25 * truth, 1.0), at);
            }
        }
    }
};

QTEST_GUILESS_MAIN(ProgressPresenterTest)
#include "tst_progresspresenter.moc"
