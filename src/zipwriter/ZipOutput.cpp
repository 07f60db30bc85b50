#include "ZipOutput.h"

#include "ZipError.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t bufferSize = 1 << 20;

// What the signal handler removes; only async-signal-safe calls touch it there.
constexpr std::size_t nameLimit = 256;
char pendingName[nameLimit];
std::atomic_int pendingFolder{-1};

constexpr int terminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void removeAndDie(int signalNumber) {
    const int folder = pendingFolder.load();
    if (folder >= 0)
        ::unlinkat(folder, pendingName, 0);
    // Dying by the same signal tells the parent that the tool was stopped, not that it failed.
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

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

void ZipOutput::removeOnTermination() {
    struct sigaction action {};
    action.sa_handler = removeAndDie;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : terminationSignals)
        sigaddset(&action.sa_mask, signalNumber);
    for (const int signalNumber : terminationSignals)
        ::sigaction(signalNumber, &action, nullptr);
    // A progress reader that went away is no reason to stop.
    ::signal(SIGPIPE, SIG_IGN);
}

ZipOutput::ZipOutput(int folderDescriptor, const std::string& name)
    : m_folderDescriptor(folderDescriptor)
    , m_name(name) {
    if (name.size() >= nameLimit)
        throw ZipError("The archive name \"" + name + "\" is too long");
    m_buffer.reserve(bufferSize);
    int error = 0;
    {
        // No signal may land between creating the file and recording it for removal.
        const SignalsHeld held;
        const mode_t mask = ::umask(0);
        ::umask(mask);
        m_descriptor = ::openat(folderDescriptor, name.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666 & ~mask);
        error = errno;
        if (m_descriptor >= 0) {
            std::memcpy(pendingName, name.c_str(), name.size() + 1);
            pendingFolder.store(folderDescriptor);
        }
    }
    if (m_descriptor < 0)
        throw ZipError("The archive \"" + name + "\" could not be created: " + std::strerror(error));
}

ZipOutput::~ZipOutput() {
    if (m_descriptor < 0)
        return;
    const SignalsHeld held;
    ::close(m_descriptor);
    ::unlinkat(m_folderDescriptor, m_name.c_str(), 0);
    pendingFolder.store(-1);
}

void ZipOutput::write(const unsigned char* data, std::size_t size) {
    if (m_buffer.size() + size > bufferSize)
        flush();
    if (size >= bufferSize) {
        writeAt(m_position, data, size);
        m_bufferOffset += size;
    } else {
        m_buffer.insert(m_buffer.end(), data, data + size);
    }
    m_position += size;
}

void ZipOutput::patch(std::uint64_t offset, const std::vector<unsigned char>& bytes) {
    const std::uint64_t end = offset + bytes.size();
    // The part before the buffer is in the file already; the rest is still in the buffer.
    const std::uint64_t inFileEnd = std::min(end, m_bufferOffset);
    if (offset < inFileEnd)
        writeAt(offset, bytes.data(), inFileEnd - offset);
    for (std::uint64_t at = std::max(offset, m_bufferOffset); at < end; ++at)
        m_buffer[at - m_bufferOffset] = bytes[at - offset];
}

void ZipOutput::rewind(std::uint64_t offset) {
    flush();
    if (::ftruncate(m_descriptor, static_cast<off_t>(offset)) != 0)
        fail(errno);
    m_position = m_bufferOffset = offset;
}

void ZipOutput::complete() {
    flush();
    const int closed = ::close(m_descriptor);
    const int error = errno;
    m_descriptor = -1;
    if (closed != 0) {
        ::unlinkat(m_folderDescriptor, m_name.c_str(), 0);
        throw ZipError("The archive \"" + m_name + "\" could not be written: " + std::strerror(error));
    }
    const SignalsHeld held;
    pendingFolder.store(-1);
}

void ZipOutput::flush() {
    writeAt(m_bufferOffset, m_buffer.data(), m_buffer.size());
    m_bufferOffset += m_buffer.size();
    m_buffer.clear();
}

void ZipOutput::writeAt(std::uint64_t offset, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::pwrite(m_descriptor, data, size, static_cast<off_t>(offset));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            fail(written < 0 ? errno : ENOSPC);
        data += written;
        size -= static_cast<std::size_t>(written);
        offset += static_cast<std::uint64_t>(written);
    }
}

void ZipOutput::fail(int error) {
    throw ZipError("The archive \"" + m_name + "\" could not be written: " + std::strerror(error));
}
