#pragma once

#include <chrono>

// Where progress reads the time: the steady clock in the application, one moved by hand in tests,
// so that no figure depends on how fast the machine is.
class ProgressClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~ProgressClock() = default;
    virtual TimePoint now() const = 0;

    // The machine's monotonic clock.
    static const ProgressClock& steady();
};
