#pragma once

#include <QtGlobal>

#include <chrono>
#include <deque>
#include <optional>

// Turns samples of bytes done, taken at times the caller gives, into a percentage and a time left.
class ProgressEstimate final {
public:
    using Clock = std::chrono::steady_clock;

    // Starts over with a new total (0 or less: unknown), counting time from `start`.
    void reset(qint64 total, Clock::time_point start);
    // A reading of the bytes done so far; none when it could not be read.
    void sample(std::optional<qint64> done, Clock::time_point now);

    // 0 to 100; none while the figure is unknown or has stopped growing.
    std::optional<int> percent() const;
    // Shown only after a little work, so that the first noisy rate never shows.
    std::optional<std::chrono::seconds> timeLeft() const;

private:
    struct Sample {
        Clock::time_point at;
        qint64 done = 0;
    };

    qint64 m_total = 0;
    Clock::time_point m_start;
    Clock::time_point m_now;
    Clock::time_point m_lastGrowth;
    std::deque<Sample> m_samples; // oldest first, reaching back just past the longest rate window
};
