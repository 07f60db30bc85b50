#include "ProgressEstimate.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace std::chrono_literals;

constexpr auto stalledAfter = 1500ms;
constexpr auto timeLeftAfter = 2s;

double seconds(ProgressEstimate::Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

} // namespace

void ProgressEstimate::reset(qint64 total, Clock::time_point start) {
    *this = ProgressEstimate();
    m_total = total;
    m_start = start;
    m_lastGrowth = start;
    m_lastSample = start;
    m_now = start;
}

void ProgressEstimate::sample(std::optional<qint64> done, Clock::time_point now) {
    m_now = now;
    if (!done || m_total <= 0)
        return;
    const qint64 clamped = std::clamp<qint64>(*done, 0, m_total);
    const qint64 previous = m_done.value_or(0);
    const double interval = seconds(now - m_lastSample);
    if (m_done && interval > 0) {
        // About a second of memory at five samples a second: steady, yet it follows a real change.
        const double rate = double(clamped - previous) / interval;
        m_rate = m_rate > 0 ? m_rate + 0.2 * (rate - m_rate) : rate;
    } else if (!m_done && now > m_start) {
        m_rate = double(clamped) / seconds(now - m_start);
    }
    if (!m_done || clamped > previous)
        m_lastGrowth = now;
    m_done = clamped;

    if (m_rate > 0) {
        const double raw = double(m_total - clamped) / m_rate;
        // The shown figure counts down with the clock and moves only part of the way to a new
        // estimate, so it never jumps between seconds and minutes.
        m_secondsLeft = m_secondsLeft ? std::max(0.0, *m_secondsLeft - interval) : raw;
        *m_secondsLeft += 0.15 * (raw - *m_secondsLeft);
    }
    m_lastSample = now;
}

std::optional<int> ProgressEstimate::percent() const {
    if (!m_done || m_total <= 0 || m_now - m_lastGrowth > stalledAfter)
        return std::nullopt;
    // To the nearest: the last half percent is the compressor finishing, which the bar should reach.
    return int((*m_done * 100 + m_total / 2) / m_total);
}

std::optional<std::chrono::seconds> ProgressEstimate::timeLeft() const {
    if (!percent() || !m_secondsLeft || m_now - m_start < timeLeftAfter)
        return std::nullopt;
    return std::chrono::seconds(std::llround(*m_secondsLeft));
}
