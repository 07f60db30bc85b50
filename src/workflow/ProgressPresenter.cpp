#include "ProgressPresenter.h"

#include "ProgressClock.h"
#include "engine/RunProgress.h"

namespace {

using namespace std::chrono_literals;

constexpr auto displayDelay = 450ms;
constexpr auto samplingInterval = 200ms;

// "about 45 s left", "about 3 min left", "about 1 h 20 min left": rounded so it reads calmly.
QString timeLeftText(std::chrono::seconds left) {
    const qint64 seconds = left.count();
    // Seconds up to two minutes: rounded to whole minutes any earlier, the figure could be a third off.
    if (seconds < 120)
        return qtTrId("progress.seconds")
            .arg(seconds < 10 ? std::max<qint64>(1, seconds) : (seconds + 2) / 5 * 5);
    if (seconds < 3600)
        return qtTrId("progress.minutes").arg((seconds + 30) / 60);
    return qtTrId("progress.hours").arg(seconds / 3600).arg((seconds % 3600 + 30) / 60);
}

} // namespace

ProgressPresenter::ProgressPresenter(const ProgressClock& clock, ToolReads toolReads, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_toolReads(std::move(toolReads))
    , m_progress(std::make_shared<RunProgress>()) {
    // Precise, so that it never fires before the clock says the display is due.
    m_delay.setSingleShot(true);
    m_delay.setTimerType(Qt::PreciseTimer);
    m_delay.setInterval(displayDelay);
    connect(&m_delay, &QTimer::timeout, this, &ProgressPresenter::update);
    m_sampling.setInterval(samplingInterval);
    connect(&m_sampling, &QTimer::timeout, this, &ProgressPresenter::update);
}

const std::shared_ptr<RunProgress>& ProgressPresenter::runProgress() const {
    return m_progress;
}

bool ProgressPresenter::showProgress() const {
    return m_showProgress;
}

int ProgressPresenter::percent() const {
    return m_percent;
}

QString ProgressPresenter::amount() const {
    return m_amount;
}

std::optional<std::chrono::seconds> ProgressPresenter::timeLeft() const {
    return m_percent >= 0 ? m_estimate.timeLeft() : std::nullopt;
}

void ProgressPresenter::begin() {
    m_running = true;
    m_started = m_clock.now();
    m_estimatedStep = -1;
    setShowProgress(false);
    setFigures(-1, QString());
    m_delay.start();
    m_sampling.start();
}

void ProgressPresenter::end() {
    m_running = false;
    m_delay.stop();
    m_sampling.stop();
    setShowProgress(false);
    setFigures(-1, QString());
}

void ProgressPresenter::complete() {
    if (m_percent >= 0)
        setFigures(100, qtTrId("progress.percentOnly").arg(100));
}

void ProgressPresenter::update() {
    if (!m_running)
        return;
    const ProgressEstimate::Clock::time_point now = m_clock.now();
    if (now - m_started >= displayDelay)
        setShowProgress(true);

    const int step = m_progress->step;
    if (step != m_estimatedStep) {
        m_estimatedStep = step;
        m_estimate.reset(m_progress->total, now);
    }
    // A step that counts for itself says so; otherwise the running tool's reads tell.
    std::optional<qint64> done;
    if (const qint64 counted = m_progress->done; counted >= 0)
        done = counted;
    else if (m_toolReads)
        done = m_toolReads();
    m_estimate.sample(done, now);

    const std::optional<int> percent = m_estimate.percent();
    if (!percent) {
        setFigures(-1, QString());
        return;
    }
    const std::optional<std::chrono::seconds> left = m_estimate.timeLeft();
    setFigures(*percent, left ? qtTrId("progress.percent").arg(*percent).arg(timeLeftText(*left))
                              : qtTrId("progress.percentOnly").arg(*percent));
}

void ProgressPresenter::setShowProgress(bool value) {
    if (m_showProgress == value)
        return;
    m_showProgress = value;
    emit showProgressChanged();
}

void ProgressPresenter::setFigures(int percent, const QString& amount) {
    if (percent == m_percent && amount == m_amount)
        return;
    m_percent = percent;
    m_amount = amount;
    emit figuresChanged();
}
