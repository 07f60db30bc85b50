#include "ChildProcess.h"

#include "CompressionError.h"
#include "FileDescriptor.h"
#include "SystemError.h"
#include "WriteAll.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int openProcessFd(pid_t processId) {
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, processId, 0));
#else
    Q_UNUSED(processId);
    errno = ENOSYS;
    return -1;
#endif
}

void signalProcessFd(int processFd, int signal) {
#ifdef SYS_pidfd_send_signal
    ::syscall(SYS_pidfd_send_signal, processFd, signal, nullptr, 0);
#else
    Q_UNUSED(processFd);
    Q_UNUSED(signal);
#endif
}

bool moveTo(int descriptor, int target) {
    if (descriptor == target)
        return ::fcntl(target, F_SETFD, 0) == 0; // keep it across exec
    return ::dup2(descriptor, target) >= 0;
}

// Sets up the child's descriptors and folder; the errno of what failed, or 0.
int prepareChild(const ChildProcess::Plan& plan) {
    if ((plan.input >= 0 && !moveTo(plan.input, STDIN_FILENO)) || !moveTo(plan.output, STDOUT_FILENO) ||
        !moveTo(plan.error, STDERR_FILENO) ||
        (plan.directoryDescriptor >= 0 && ::fchdir(plan.directoryDescriptor) != 0) ||
        (plan.directoryDescriptor < 0 && plan.directory && ::chdir(plan.directory) != 0) ||
        (plan.keptDescriptor >= 0 && ::fcntl(plan.keptDescriptor, F_SETFD, 0) != 0) ||
        (plan.progressDescriptor >= 0 && ::fcntl(plan.progressDescriptor, F_SETFD, 0) != 0))
        return errno;
    return 0;
}

// `report` is a close-on-exec pipe that receives the errno of a start that failed.
[[noreturn]] void becomeTool(const ChildProcess::Plan& plan, pid_t parent, int report) {
    // Every signal at its default action and, at exec, nothing blocked, whatever this process does.
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal)
        ::sigaction(signal, &defaultAction, nullptr);
    // The tool dies with the thread that started it. That thread waits for the tool until it
    // ends, so this fires exactly when Balewick ends, kill -9 included; a parent that ended before
    // the request took effect is caught by getppid.
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || ::getppid() != parent)
        ::_exit(127);
    int failure = prepareChild(plan);
    if (failure == 0) {
        sigset_t nothing;
        sigemptyset(&nothing);
        ::sigprocmask(SIG_SETMASK, &nothing, nullptr);
        ::execve(plan.executable, plan.arguments, plan.environment);
        failure = errno;
    }
    writeAll(report, QByteArrayView(reinterpret_cast<const char*>(&failure), sizeof failure));
    ::_exit(127);
}

// The errno a child reported before exec, or 0 once the tool runs.
int startFailure(int report) {
    int failure = 0;
    ssize_t count = 0;
    while ((count = ::read(report, &failure, sizeof failure)) < 0 && errno == EINTR) {
    }
    return count == ssize_t(sizeof failure) ? failure : 0;
}

} // namespace

ChildProcess::~ChildProcess() {
    if (m_reaped)
        return;
    kill();
    wait();
}

void ChildProcess::start(const Plan& plan, const QString& toolName) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        throw systemError(errno, qtTrId("error.launch"), toolName);
    const FileDescriptor reportRead(ends[0]);
    FileDescriptor reportWrite(ends[1]);
    const pid_t parent = ::getpid();

    {
        // A stop that comes later is sent once the child exists, below.
        const std::lock_guard guard(m_lock);
        if (m_stopRequested)
            throw CompressionError::cancelled();
    }
    // No signal handler of ours may run in the child before exec.
    sigset_t everything;
    sigset_t previousMask;
    sigfillset(&everything);
    pthread_sigmask(SIG_BLOCK, &everything, &previousMask);
    const pid_t processId = ::fork();
    if (processId == 0)
        becomeTool(plan, parent, reportWrite.get());
    const int forkError = errno;
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    if (processId < 0)
        throw systemError(forkError, qtTrId("error.launch"), toolName);
    reportWrite.close();
    if (const int failure = startFailure(reportRead.get()); failure != 0) {
        while (::waitpid(processId, nullptr, 0) < 0 && errno == EINTR) {
        }
        throw systemError(failure, qtTrId("error.launch"), toolName);
    }
    const int processFd = openProcessFd(processId);
    const std::lock_guard guard(m_lock);
    m_startedId = processId;
    m_processFd = processFd;
    m_signalledId = processFd < 0 ? processId : -1;
    m_reaped = false;
    if (m_stopRequested)
        signal(SIGTERM);
}

void ChildProcess::stop() {
    const std::lock_guard guard(m_lock);
    m_stopRequested = true;
    signal(SIGTERM);
}

void ChildProcess::kill() {
    const std::lock_guard guard(m_lock);
    signal(SIGKILL);
}

void ChildProcess::signal(int signal) {
    // A pidfd never refers to another process; the pid is cleared before the child may be reaped.
    if (m_processFd >= 0)
        signalProcessFd(m_processFd, signal);
    else if (m_signalledId > 0)
        ::kill(m_signalledId, signal);
}

ChildProcess::Outcome ChildProcess::wait() {
    siginfo_t info{};
    if (m_processFd < 0) {
        // Wait without reaping, forget the pid, then reap: stop() can never signal a pid that the
        // system may already have handed to another process.
        while (::waitid(P_PID, id_t(m_startedId), &info, WEXITED | WNOWAIT) != 0 && errno == EINTR) {
        }
        const std::lock_guard guard(m_lock);
        m_signalledId = -1;
    }
    while (::waitid(P_PID, id_t(m_startedId), &info, WEXITED) != 0 && errno == EINTR) {
    }
    {
        const std::lock_guard guard(m_lock);
        m_reaped = true;
        if (m_processFd >= 0)
            ::close(std::exchange(m_processFd, -1));
    }
    Outcome outcome;
    outcome.signalled = info.si_code == CLD_KILLED || info.si_code == CLD_DUMPED;
    outcome.signal = outcome.signalled ? info.si_status : 0;
    outcome.exitStatus = info.si_code == CLD_EXITED ? info.si_status : -1;
    return outcome;
}
