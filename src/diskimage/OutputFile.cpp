#include "OutputFile.h"

#include "DiskImageError.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// What the signal handler removes; only async-signal-safe calls touch it there.
char pendingPath[PATH_MAX];
std::atomic_bool pendingPathSet{false};

constexpr int terminationSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGPIPE};

extern "C" void removeAndDie(int signalNumber) {
    if (pendingPathSet.load())
        ::unlink(pendingPath);
    // Dying by the same signal tells the parent that the tool was stopped, not that it failed.
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

sigset_t blockTerminationSignals() {
    sigset_t blocked;
    sigset_t previous;
    sigemptyset(&blocked);
    for (const int signalNumber : terminationSignals)
        sigaddset(&blocked, signalNumber);
    pthread_sigmask(SIG_BLOCK, &blocked, &previous);
    return previous;
}

void restoreSignals(const sigset_t& previous) {
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

} // namespace

void OutputFile::removeOnTermination() {
    struct sigaction action {};
    action.sa_handler = removeAndDie;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : terminationSignals)
        sigaddset(&action.sa_mask, signalNumber);
    for (const int signalNumber : terminationSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

OutputFile::OutputFile(const std::string& path)
    : m_path(path) {
    if (path.size() >= sizeof pendingPath)
        throw DiskImageError("The output path is too long");
    // No signal may land between creating the file and recording it for removal.
    const sigset_t previous = blockTerminationSignals();
    m_descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    const int error = errno;
    if (m_descriptor >= 0) {
        std::memcpy(pendingPath, path.c_str(), path.size() + 1);
        pendingPathSet.store(true);
    }
    restoreSignals(previous);
    if (m_descriptor < 0)
        throw DiskImageError("The disk image \"" + path + "\" could not be created: " + std::strerror(error));
}

OutputFile::~OutputFile() {
    if (m_descriptor < 0 && m_path.empty())
        return;
    const sigset_t previous = blockTerminationSignals();
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
        ::unlink(m_path.c_str());
    }
    pendingPathSet.store(false);
    restoreSignals(previous);
}

void OutputFile::complete() {
    if (::close(m_descriptor) != 0) {
        const int error = errno;
        m_descriptor = -1;
        ::unlink(m_path.c_str());
        throw DiskImageError(std::string("The disk image could not be written: ") + std::strerror(error));
    }
    m_descriptor = -1;
    m_path.clear();
    const sigset_t previous = blockTerminationSignals();
    pendingPathSet.store(false);
    restoreSignals(previous);
}
