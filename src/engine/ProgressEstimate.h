#pragma once

#include <QtGlobal>

#include <chrono>
#include <optional>

// Turns samples of bytes done into a percentage and a steady time left.
class ProgressEstimate final {
public:
    using Clock = std::chrono::steady_clock;

    // Starts over with a new total (0 or less: unknown), counting time from `start`.
    void reset(qint64 total, Clock::time_point start = Clock::now());
    // A reading of the bytes done so far; none when it could not be read.
    void sample(std::optional<qint64> done, Clock::time_point now = Clock::now());

    // 0 to 100; none while the figure is unknown or has stopped growing.
    std::optional<int> percent() const;
    // Shown only after a little work, so that the first noisy rate never shows.
    std::optional<std::chrono::seconds> timeLeft() const;

private:
    qint64 m_total = 0;
    Clock::time_point m_start;
    std::optional<qint64> m_done;
    Clock::time_point m_lastGrowth;
    Clock::time_point m_lastSample;
    Clock::time_point m_now;
    double m_rate = 0;                   // bytes per second, smoothed
    std::optional<double> m_secondsLeft; // smoothed
};
