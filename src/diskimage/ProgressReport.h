#pragma once

#include <cstdint>

// Tells the engine how far a run has got: the source bytes read so far, as decimal lines on a
// descriptor it handed down, about once per MiB and once at the end. The engine may stop listening;
// a report that cannot be written is dropped.
class ProgressReport final {
public:
    // -1 reports nothing.
    explicit ProgressReport(int descriptor);

    void update(std::uint64_t bytes);
    void finish(std::uint64_t bytes);

private:
    void write(std::uint64_t bytes);

    int m_descriptor;
    std::uint64_t m_reported = 0;
};
