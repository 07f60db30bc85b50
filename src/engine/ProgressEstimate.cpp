#include "ProgressEstimate.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace std::chrono_literals;

constexpr auto stalledAfter = 1500ms;
constexpr auto timeLeftAfter = 2s;
// The rate is read over the step so far less its first quarter: a burst as a step starts (buffers
// filling, a copy that was already done) never makes the rest look quick, and the rest is long
// enough to even out a busy machine. At most this long, so that a change of pace shows soon.
constexpr ProgressEstimate::Clock::duration longestWindow = 5s;

double seconds(ProgressEstimate::Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

} // namespace

void ProgressEstimate::reset(qint64 total, Clock::time_point start) {
    *this = ProgressEstimate();
    m_total = total;
    m_start = start;
    m_now = start;
    m_lastGrowth = start;
}

void ProgressEstimate::sample(std::optional<qint64> done, Clock::time_point now) {
    m_now = now;
    if (!done || m_total <= 0)
        return;
    const qint64 clamped = std::clamp<qint64>(*done, 0, m_total);
    if (m_samples.empty() || clamped > m_samples.back().done)
        m_lastGrowth = now;
    m_samples.push_back({now, std::max(clamped, m_samples.empty() ? 0 : m_samples.back().done)});
    while (m_samples.size() > 2 && m_samples[1].at <= now - longestWindow)
        m_samples.pop_front();
}

std::optional<int> ProgressEstimate::percent() const {
    if (m_samples.empty() || m_total <= 0 || m_now - m_lastGrowth > stalledAfter)
        return std::nullopt;
    // To the nearest: the last half percent is the compressor finishing, which the bar should reach.
    return int((m_samples.back().done * 100 + m_total / 2) / m_total);
}

std::optional<std::chrono::seconds> ProgressEstimate::timeLeft() const {
    const auto elapsed = m_now - m_start;
    if (!percent() || elapsed < timeLeftAfter)
        return std::nullopt;
    const auto windowStart = m_now - std::min<Clock::duration>(elapsed - elapsed / 4, longestWindow);
    // The newest sample at or before the window's start, else the oldest there is.
    auto base = m_samples.begin();
    for (auto next = base + 1; next != m_samples.end() && next->at <= windowStart; ++next)
        base = next;
    const Sample& last = m_samples.back();
    if (last.at <= base->at || last.done <= base->done)
        return std::nullopt;
    const double rate = double(last.done - base->done) / seconds(last.at - base->at);
    const double left = double(m_total - last.done) / rate - seconds(m_now - last.at);
    return std::chrono::seconds(std::llround(std::max(0.0, left)));
}
