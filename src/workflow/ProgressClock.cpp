#include "ProgressClock.h"

namespace {

class SteadyClock final : public ProgressClock {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
};

} // namespace

const ProgressClock& ProgressClock::steady() {
    static const SteadyClock clock;
    return clock;
}
