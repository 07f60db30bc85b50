#pragma once

#include "workflow/ProgressClock.h"

// A clock that moves only when a test moves it.
class ManualClock final : public ProgressClock {
public:
    TimePoint now() const override { return m_now; }
    void advance(std::chrono::steady_clock::duration by) { m_now += by; }

private:
    TimePoint m_now;
};
