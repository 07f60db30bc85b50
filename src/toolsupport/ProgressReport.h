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

    // Reports the bytes added as the same share of `reportedTotal` as they are of `inputTotal`: for a
    // reader that counts something else than this tool reads, such as the files inside an image.
    void scale(std::uint64_t inputTotal, std::uint64_t reportedTotal);

    void add(std::uint64_t bytes);
    void finish();

private:
    void send();

    int m_descriptor;
    Clock m_clock;
    std::uint64_t m_total = 0;
    std::uint64_t m_inputTotal = 0; // 0: reported as read
    std::uint64_t m_reportedTotal = 0;
    std::chrono::steady_clock::time_point m_lastSent{};
};
