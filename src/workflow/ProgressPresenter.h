#pragma once

#include "engine/ProgressEstimate.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class ProgressClock;
struct RunProgress;

// What the progress display shows of a run: whether it is up yet (0.45 s after the run starts),
// how far the step in progress has got and the time left. Every rule reads the clock it is given;
// the timers only decide when to look. Lives on the main thread.
class ProgressPresenter final : public QObject {
    Q_OBJECT

public:
    // The bytes the running tool has read, for a step that does not count for itself.
    using ToolReads = std::function<std::optional<qint64>()>;

    ProgressPresenter(const ProgressClock& clock, ToolReads toolReads, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(ProgressPresenter)

    // Shared with the worker that makes the current archive.
    const std::shared_ptr<RunProgress>& runProgress() const;

    bool showProgress() const;
    // 0 to 100, or -1 while unknown (the bar then runs without a figure); and the same as text with
    // the time left ("42 % · about 2 min left").
    int percent() const;
    QString amount() const;
    // The time left that the text shows, before rounding for reading; none while none shows.
    std::optional<std::chrono::seconds> timeLeft() const;

    // A run starts: the display is due after the delay, counted from now.
    void begin();
    // The run has ended: the display goes and the figures clear.
    void end();
    // The tool has read everything, even if no sample caught its last bytes.
    void complete();
    // Looks at the clock and the run's progress once; the timers call it, a test may too.
    void update();

signals:
    void showProgressChanged();
    void figuresChanged();

private:
    void setShowProgress(bool value);
    void setFigures(int percent, const QString& amount);

    const ProgressClock& m_clock;
    ToolReads m_toolReads;
    std::shared_ptr<RunProgress> m_progress;
    QTimer m_delay;
    QTimer m_sampling;
    bool m_running = false;
    ProgressEstimate::Clock::time_point m_started;
    ProgressEstimate m_estimate;
    int m_estimatedStep = -1;
    bool m_showProgress = false;
    int m_percent = -1;
    QString m_amount;
};
