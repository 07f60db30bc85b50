#include "ProgressReport.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr std::uint64_t reportEvery = std::uint64_t(1) << 20;

} // namespace

ProgressReport::ProgressReport(int descriptor)
    : m_descriptor(descriptor) {
    // A reader that went away must not end the run.
    if (m_descriptor >= 0)
        std::signal(SIGPIPE, SIG_IGN);
}

void ProgressReport::update(std::uint64_t bytes) {
    if (bytes >= m_reported + reportEvery)
        write(bytes);
}

void ProgressReport::finish(std::uint64_t bytes) {
    write(bytes);
}

void ProgressReport::write(std::uint64_t bytes) {
    if (m_descriptor < 0)
        return;
    m_reported = bytes;
    char line[32];
    const int length = std::snprintf(line, sizeof line, "%llu\n", static_cast<unsigned long long>(bytes));
    // A pipe takes a line this short whole, or not at all.
    while (::write(m_descriptor, line, std::size_t(length)) < 0 && errno == EINTR) {
    }
}
