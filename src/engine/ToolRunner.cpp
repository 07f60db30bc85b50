#include "ToolRunner.h"

#include "CompressionError.h"
#include "FileDescriptor.h"
#include "PasswordTerminal.h"
#include "SystemError.h"
#include "TemporaryDirectory.h"
#include "ToolEnvironment.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUuid>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

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

bool isExecutableFile(const QByteArray& path) {
    struct stat info {};
    return !path.isEmpty() && ::stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.constData(), X_OK) == 0;
}

// While it lives, SIGPIPE is blocked for this thread, and one raised by a write to a tool that
// exited without reading its input is consumed, so it never reaches the process's disposition.
struct BrokenPipeShield {
    sigset_t pipeSignal;
    sigset_t previousMask;
    bool wasPending = false;
    bool brokenPipe = false;
    BrokenPipeShield() {
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, &previousMask);
        sigset_t pending;
        sigpending(&pending);
        wasPending = sigismember(&pending, SIGPIPE) == 1;
    }
    ~BrokenPipeShield() {
        if (brokenPipe && !wasPending) {
            const timespec noWait{};
            while (sigtimedwait(&pipeSignal, nullptr, &noWait) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    }
    Q_DISABLE_COPY_MOVE(BrokenPipeShield)
};

// A file for the tool's standard error in the temporary folder, without a name: nothing to swap
// meanwhile, nothing to remove afterwards, nothing left by a crash. Where the filesystem cannot
// make such a file, a named one loses its name at once.
FileDescriptor openErrorFile() {
    const QByteArray folderPath = QFile::encodeName(temporaryDirectory());
    FileDescriptor file(::open(folderPath.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    if (file.isValid() || (errno != EISDIR && errno != EOPNOTSUPP))
        return file;
    const FileDescriptor folder(::open(folderPath.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    const QByteArray name =
        "bw-err-" + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper().toLatin1();
    file = FileDescriptor(
        ::openat(folder.get(), name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    struct stat opened {};
    struct stat named {};
    if (file.isValid() && ::fstat(file.get(), &opened) == 0 &&
        ::fstatat(folder.get(), name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        opened.st_dev == named.st_dev && opened.st_ino == named.st_ino)
        ::unlinkat(folder.get(), name.constData(), 0);
    return file;
}

QByteArray readAll(int descriptor) {
    QByteArray bytes;
    char buffer[16384];
    for (ssize_t count; (count = ::pread(descriptor, buffer, sizeof buffer, bytes.size())) != 0;) {
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            break;
        bytes.append(buffer, count);
    }
    return bytes;
}

QString decodedOrEmpty(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? QString() : text;
}

// Everything the child needs, prepared before the fork: between fork and exec only
// async-signal-safe calls may run.
struct ChildPlan {
    const char* executable = nullptr;
    char* const* arguments = nullptr;
    char* const* environment = nullptr;
    int input = -1; // standard input when set, else the parent's is kept
    int output = -1;
    int error = -1;
    const char* directory = nullptr;
    int directoryDescriptor = -1; // started in, instead of `directory`, when set
    int keptDescriptor = -1;      // left open across exec at its number, when set
    pid_t parent = 0;
    int report = -1;                // close-on-exec pipe that receives the errno of a start that failed
    const char* terminal = nullptr; // opened in a new session, it becomes the controlling terminal
};

bool moveTo(int descriptor, int target) {
    if (descriptor == target)
        return ::fcntl(target, F_SETFD, 0) == 0; // keep it across exec
    return ::dup2(descriptor, target) >= 0;
}

[[noreturn]] void becomeTool(const ChildPlan& plan) {
    // Every signal at its default action and, at exec, nothing blocked, whatever this process does.
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal)
        ::sigaction(signal, &defaultAction, nullptr);
    // The tool dies with the thread that started it. That thread waits for the tool until it
    // ends, so this fires exactly when Balewick ends, kill -9 included; a parent that ended before
    // the request took effect is caught by getppid.
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || ::getppid() != plan.parent)
        ::_exit(127);
    int failure = 0;
    int terminal = -1;
    if (plan.terminal && (::setsid() < 0 || (terminal = ::open(plan.terminal, O_RDWR)) < 0)) {
        failure = errno;
    } else if ((terminal >= 0 && !moveTo(terminal, STDIN_FILENO)) ||
               (plan.input >= 0 && !moveTo(plan.input, STDIN_FILENO)) ||
               !moveTo(plan.output, STDOUT_FILENO) || !moveTo(plan.error, STDERR_FILENO) ||
               (plan.directoryDescriptor >= 0 && ::fchdir(plan.directoryDescriptor) != 0) ||
               (plan.directoryDescriptor < 0 && plan.directory && ::chdir(plan.directory) != 0) ||
               (plan.keptDescriptor >= 0 && ::fcntl(plan.keptDescriptor, F_SETFD, 0) != 0)) {
        failure = errno;
    } else {
        sigset_t nothing;
        sigemptyset(&nothing);
        ::sigprocmask(SIG_SETMASK, &nothing, nullptr);
        ::execve(plan.executable, plan.arguments, plan.environment);
        failure = errno;
    }
    while (::write(plan.report, &failure, sizeof failure) < 0 && errno == EINTR) {
    }
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

// Writes `bytes` to the tool's standard input, then closes it, while reading its output, keeping
// the last `limit` bytes: a tool that writes before it has read all its input never waits on us.
// Writing stops at the first failure (a tool may exit without reading its input). Ends when both
// are done or, when a process descriptor tells, once the tool has ended (a child of its own may
// keep the pipes).
QByteArray exchangeWithTool(FileDescriptor& input, const QByteArray& bytes, int output, int processFd,
                            qsizetype limit) {
    BrokenPipeShield shield;
    if (input.isValid())
        ::fcntl(input.get(), F_SETFL, ::fcntl(input.get(), F_GETFL) | O_NONBLOCK);
    qsizetype written = 0;
    QByteArray tail;
    char buffer[16384];
    bool outputOpen = true;
    bool ended = false;
    while (outputOpen || input.isValid()) {
        if (input.isValid() && written == bytes.size()) {
            input.close();
            continue;
        }
        pollfd watched[3] = {
            {outputOpen ? output : -1, POLLIN, 0}, {processFd, POLLIN, 0}, {input.get(), POLLOUT, 0}};
        if (::poll(watched, 3, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (watched[1].revents != 0 && !ended) {
            ended = true;
            ::fcntl(output, F_SETFL, ::fcntl(output, F_GETFL) | O_NONBLOCK);
            input.close();
        }
        if (watched[2].revents != 0 && input.isValid()) {
            const ssize_t count =
                ::write(input.get(), bytes.constData() + written, size_t(bytes.size() - written));
            if (count > 0) {
                written += count;
            } else if (errno != EINTR && errno != EAGAIN) {
                shield.brokenPipe = shield.brokenPipe || errno == EPIPE;
                input.close();
            }
        }
        if (!outputOpen || (watched[0].revents == 0 && !ended))
            continue;
        const ssize_t count = ::read(output, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            outputOpen = false;
            continue;
        }
        tail.append(buffer, count);
        if (tail.size() > 2 * limit)
            tail.remove(0, tail.size() - limit);
    }
    return tail.size() > limit ? tail.right(limit) : tail;
}

} // namespace

ToolRunner& ToolRunner::shared() {
    static ToolRunner runner;
    return runner;
}

QString ToolRunner::messageFromOutput(const QString& toolName, const QByteArray& output) {
    const QStringList prefixes{toolName + QStringLiteral(" error:"), toolName + QStringLiteral(" I/O error:"),
                               toolName + QStringLiteral(" warning:")};
    QStringList kept;
    for (const QString& line : decodedOrEmpty(output).split(u'\n')) {
        const QString trimmed = line.trimmed();
        for (const QString& prefix : prefixes) {
            if (trimmed.startsWith(prefix)) {
                kept.append(trimmed);
                break;
            }
        }
    }
    return kept.join(u'\n');
}

void ToolRunner::run(const QString& executable, const QStringList& arguments,
                     const std::optional<QString>& currentDirectory, const std::optional<QByteArray>& input,
                     const Context& context, PasswordTerminal* terminal) {
    if (context.cancellation.isCancelled())
        throw CompressionError::cancelled();
    const QByteArray executablePath = QFile::encodeName(executable);
    if (!isExecutableFile(executablePath))
        throw CompressionError::toolFailed(qtTrId("error.toolMissing"));

    std::vector<QByteArray> argumentBytes{executablePath};
    for (const QString& argument : arguments)
        argumentBytes.push_back(QFile::encodeName(argument));
    std::vector<char*> argumentVector;
    for (QByteArray& argument : argumentBytes)
        argumentVector.push_back(argument.data());
    argumentVector.push_back(nullptr);
    QByteArrayList environmentBytes = toolEnvironment();
    std::vector<char*> environmentVector;
    for (QByteArray& entry : environmentBytes)
        environmentVector.push_back(entry.data());
    environmentVector.push_back(nullptr);

    FileDescriptor errorFile = openErrorFile();
    if (!errorFile.isValid()) {
        const int error = errno;
        throw systemError(error, qtTrId("error.createFile"), temporaryDirectory());
    }

    const QString toolName = QFileInfo(executable).fileName();
    const auto makePipe = [&toolName](FileDescriptor& readEnd, FileDescriptor& writeEnd) {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0)
            throw systemError(errno, qtTrId("error.launch"), toolName);
        readEnd = FileDescriptor(ends[0]);
        writeEnd = FileDescriptor(ends[1]);
    };
    FileDescriptor inputRead;
    FileDescriptor inputWrite;
    if (input)
        makePipe(inputRead, inputWrite);
    FileDescriptor outputRead;
    FileDescriptor outputWrite;
    makePipe(outputRead, outputWrite);
    FileDescriptor reportRead;
    FileDescriptor reportWrite;
    makePipe(reportRead, reportWrite);

    const QByteArray directory = currentDirectory ? QFile::encodeName(*currentDirectory) : QByteArray();
    ChildPlan plan;
    plan.executable = executablePath.constData();
    plan.arguments = argumentVector.data();
    plan.environment = environmentVector.data();
    plan.input = inputRead.get();
    plan.output = outputWrite.get();
    plan.error = errorFile.get();
    plan.directory = currentDirectory ? directory.constData() : nullptr;
    plan.directoryDescriptor = context.folders.working;
    plan.keptDescriptor = context.folders.output;
    plan.parent = ::getpid();
    plan.report = reportWrite.get();
    plan.terminal = terminal ? terminal->devicePath().constData() : nullptr;

    {
        std::lock_guard guard(m_lock);
        // Checked where terminateCurrent can see the launch, so a Stop either prevents the start or
        // reaches the child once it exists.
        if (context.cancellation.isCancelled())
            throw CompressionError::cancelled();
        m_launching = true;
        m_terminatePending = false;
        m_terminationRequested = false;
    }
    const auto launchFailed = [this](int error, const QString& name) {
        {
            std::lock_guard guard(m_lock);
            m_launching = false;
            m_terminatePending = false;
        }
        return systemError(error, qtTrId("error.launch"), name);
    };
    // No signal handler of ours may run in the child before exec.
    sigset_t everything;
    sigset_t previousMask;
    sigfillset(&everything);
    pthread_sigmask(SIG_BLOCK, &everything, &previousMask);
    const pid_t processId = ::fork();
    if (processId == 0)
        becomeTool(plan);
    const int forkError = errno;
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    if (processId < 0)
        throw launchFailed(forkError, toolName);
    reportWrite.close();
    outputWrite.close();
    inputRead.close();
    if (const int failure = startFailure(reportRead.get()); failure != 0) {
        while (::waitpid(processId, nullptr, 0) < 0 && errno == EINTR) {
        }
        throw launchFailed(failure, toolName);
    }
    const int processFd = openProcessFd(processId);
    adoptChild(processId, processFd);

    const bool answered =
        !terminal ||
        terminal->answerPrompts(QStringLiteral("/proc/self/fd/%1").arg(errorFile.get()), processFd);
    if (!answered) {
        // The tool refused the answer or went silent; it would wait on its terminal for ever.
        if (processFd >= 0)
            signalProcessFd(processFd, SIGKILL);
        else
            ::kill(processId, SIGKILL); // not reaped yet, so the pid is still this child's
    }
    const QByteArray outputTail = exchangeWithTool(inputWrite, input.value_or(QByteArray()), outputRead.get(),
                                                   processFd, outputTailSize);

    const Outcome outcome = waitForChild(processId, processFd);
    QString errorText = decodedOrEmpty(readAll(errorFile.get()));
    errorFile.close();
    if (terminal) // the prompts are no message
        errorText = PasswordTerminal::withoutPrompts(errorText);

    bool terminationRequested = false;
    {
        std::lock_guard guard(m_lock);
        terminationRequested = m_terminationRequested;
    }
    // zip catches SIGTERM, removes its temporary file and exits with status 9: still a stop. A
    // tool killed by anyone else (the out-of-memory killer, a user) failed, and says so.
    const bool stopAsked = terminationRequested || context.cancellation.isCancelled();
    if (!answered && !stopAsked)
        throw CompressionError::toolFailed(errorText);
    if (stopAsked && (outcome.signalled || outcome.exitStatus != 0))
        throw CompressionError::cancelled();
    if (outcome.signalled) {
        throw CompressionError::toolFailed(qtTrId("error.toolKilled")
                                               .arg(toolName)
                                               .arg(outcome.signal)
                                               .arg(QString::fromLocal8Bit(::sigdescr_np(outcome.signal))));
    }
    if (outcome.exitStatus != 0) {
        // zip writes its own words to standard output and leaves standard error empty.
        throw CompressionError::toolFailed(
            errorText.trimmed().isEmpty() ? messageFromOutput(toolName, outputTail) : errorText);
    }
}

void ToolRunner::adoptChild(int processId, int processFd) {
    bool terminateNow = false;
    {
        std::lock_guard guard(m_lock);
        m_launching = false;
        terminateNow = std::exchange(m_terminatePending, false);
        m_runningProcessId = processId;
        if (processFd >= 0)
            m_processFd = processFd;
        else
            m_processId = processId;
    }
    if (!terminateNow)
        return;
    if (processFd >= 0)
        signalProcessFd(processFd, SIGTERM);
    else
        ::kill(processId, SIGTERM); // not reaped yet, so the pid is still this child's
}

ToolRunner::Outcome ToolRunner::waitForChild(int processId, int processFd) {
    // Its output is closed by now; nothing more to read of its progress.
    m_runningProcessId = -1;
    siginfo_t info{};
    if (processFd < 0) {
        // Wait without reaping, forget the pid, then reap: terminateCurrent can never see a pid
        // that the system may already have handed to another process.
        while (::waitid(P_PID, id_t(processId), &info, WEXITED | WNOWAIT) != 0 && errno == EINTR) {
        }
        {
            std::lock_guard guard(m_lock);
            if (m_processId == processId)
                m_processId = -1;
        }
    }
    while (::waitid(P_PID, id_t(processId), &info, WEXITED) != 0 && errno == EINTR) {
    }
    if (processFd >= 0) {
        {
            std::lock_guard guard(m_lock);
            if (m_processFd == processFd)
                m_processFd = -1;
        }
        ::close(processFd);
    }
    Outcome outcome;
    outcome.signalled = info.si_code == CLD_KILLED || info.si_code == CLD_DUMPED;
    outcome.signal = outcome.signalled ? info.si_status : 0;
    outcome.exitStatus = info.si_code == CLD_EXITED ? info.si_status : -1;
    return outcome;
}

void ToolRunner::terminateCurrent() {
    int processFd = -1;
    {
        std::lock_guard guard(m_lock);
        if (m_processFd >= 0) {
            processFd = ::fcntl(m_processFd, F_DUPFD_CLOEXEC, 0);
            m_terminationRequested = true;
        } else if (m_processId > 0) {
            ::kill(m_processId, SIGTERM); // does not block; the pid cannot be reaped while we hold the lock
            m_terminationRequested = true;
            return;
        } else if (m_launching) {
            m_terminatePending = true;
            m_terminationRequested = true;
            return;
        }
    }
    // The signal goes out without the lock; a pidfd never refers to a process other than our child.
    if (processFd >= 0) {
        signalProcessFd(processFd, SIGTERM);
        ::close(processFd);
    }
}
