#include "ProgressReport.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <unistd.h>

namespace {
constexpr std::chrono::milliseconds interval(250);
}

ProgressReport::ProgressReport(int descriptor, Clock clock)
    : m_descriptor(descriptor)
    , m_clock(std::move(clock)) {}

void ProgressReport::scale(std::uint64_t inputTotal, std::uint64_t reportedTotal) {
    m_inputTotal = inputTotal;
    m_reportedTotal = reportedTotal;
}

void ProgressReport::add(std::uint64_t bytes) {
    m_total += bytes;
    if (m_descriptor < 0 || bytes == 0)
        return;
    const auto now = m_clock();
    if (now - m_lastSent < interval)
        return;
    m_lastSent = now;
    send();
}

void ProgressReport::finish() {
    if (m_descriptor >= 0)
        send();
}

void ProgressReport::send() {
    std::uint64_t reported = m_total;
    if (m_inputTotal > 0)
        reported = static_cast<std::uint64_t>(
            static_cast<unsigned __int128>(std::min(m_total, m_inputTotal)) * m_reportedTotal / m_inputTotal);
    const std::string line = std::to_string(reported) + "\n";
    // A pipe takes a line this short whole; a reader that is slow or gone is not waited for.
    while (::write(m_descriptor, line.data(), line.size()) < 0 && errno == EINTR) {
    }
}
