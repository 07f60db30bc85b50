#include "CreatedFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace {

// What the signal handler removes; only async-signal-safe calls touch it there.
constexpr std::size_t nameLimit = 256;
char pendingName[nameLimit];
std::atomic_int pendingFolder{-1};

constexpr int terminationSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGPIPE};

extern "C" void removeAndDie(int signalNumber) {
    const int folder = pendingFolder.load();
    if (folder >= 0)
        ::unlinkat(folder, pendingName, 0);
    // Dying by the same signal tells the parent that the tool was stopped, not that it failed.
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

// No signal may land between creating the file and recording it, or removing it and forgetting it.
class SignalsHeld final {
public:
    SignalsHeld() {
        sigset_t blocked;
        sigemptyset(&blocked);
        for (const int signalNumber : terminationSignals)
            sigaddset(&blocked, signalNumber);
        pthread_sigmask(SIG_BLOCK, &blocked, &m_previous);
    }
    ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t m_previous;
};

} // namespace

void CreatedFile::removeOnTermination() {
    struct sigaction action {};
    action.sa_handler = removeAndDie;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : terminationSignals)
        sigaddset(&action.sa_mask, signalNumber);
    for (const int signalNumber : terminationSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

CreatedFile::CreatedFile(int folderDescriptor, const std::string& name, mode_t mode, const std::string& what)
    : m_folderDescriptor(folderDescriptor)
    , m_name(name)
    , m_what(what) {
    if (name.size() >= nameLimit)
        throw std::runtime_error(what + " \"" + name + "\" has too long a name");
    int error = 0;
    {
        const SignalsHeld held;
        m_descriptor = ::openat(folderDescriptor, name.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        error = errno;
        if (m_descriptor >= 0) {
            std::memcpy(pendingName, name.c_str(), name.size() + 1);
            pendingFolder.store(folderDescriptor);
        }
    }
    if (m_descriptor < 0)
        throw std::runtime_error(what + " \"" + name + "\" could not be created: " + std::strerror(error));
}

CreatedFile::~CreatedFile() {
    if (m_descriptor < 0)
        return;
    const SignalsHeld held;
    ::close(m_descriptor);
    ::unlinkat(m_folderDescriptor, m_name.c_str(), 0);
    pendingFolder.store(-1);
}

void CreatedFile::complete() {
    const int closed = ::close(m_descriptor);
    const int error = errno;
    m_descriptor = -1;
    const SignalsHeld held;
    pendingFolder.store(-1);
    if (closed != 0) {
        ::unlinkat(m_folderDescriptor, m_name.c_str(), 0);
        throw std::runtime_error(m_what + " \"" + m_name +
                                 "\" could not be written: " + std::strerror(error));
    }
}
