#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

// Tells the caller, on a descriptor, how many input bytes have been read: as "N\n", at most a few
// times a second, and once at the end. A reader that went away is not an error.
class ProgressReport final {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // No descriptor (-1) reports nothing.
    ProgressReport(int descriptor, Clock clock);

    void add(std::uint64_t bytes);
    void finish();

private:
    void send();

    int m_descriptor;
    Clock m_clock;
    std::uint64_t m_total = 0;
    std::chrono::steady_clock::time_point m_lastSent{};
};
