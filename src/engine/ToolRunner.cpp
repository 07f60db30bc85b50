#include "ToolRunner.h"

#include "CompressionError.h"
#include "FileDescriptor.h"
#include "SystemError.h"
#include "TemporaryDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUuid>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
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

// Writes everything or stops at the first failure (a tool may exit without reading its input).
// SIGPIPE is blocked meanwhile and a SIGPIPE raised by this write is consumed, so it never reaches
// the process's disposition.
void writeIgnoringBrokenPipe(int descriptor, const QByteArray& bytes) {
    sigset_t pipeSignal;
    sigset_t previousMask;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previousMask);
    sigset_t pending;
    sigpending(&pending);
    const bool wasPending = sigismember(&pending, SIGPIPE) == 1;

    bool brokenPipe = false;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t result =
            ::write(descriptor, bytes.constData() + written, size_t(bytes.size() - written));
        if (result < 0) {
            if (errno == EINTR)
                continue;
            brokenPipe = errno == EPIPE;
            break;
        }
        written += result;
    }

    if (brokenPipe && !wasPending) {
        const timespec noWait{};
        while (sigtimedwait(&pipeSignal, nullptr, &noWait) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
}

QByteArray readAndRemove(const QString& path) {
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    file.close();
    QFile::remove(path);
    return bytes;
}

QString decodedOrEmpty(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? QString() : text;
}

// Owns the spawn attributes and file actions of one launch.
class SpawnSetup final {
public:
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
        // Children start with nothing blocked and every signal at its default action, whatever
        // this process ignores or blocks.
        sigset_t signalSet;
        sigemptyset(&signalSet);
        posix_spawnattr_setsigmask(&attributes, &signalSet);
        sigfillset(&signalSet);
        posix_spawnattr_setsigdefault(&attributes, &signalSet);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    Q_DISABLE_COPY_MOVE(SpawnSetup)

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

} // namespace

ToolRunner& ToolRunner::shared() {
    static ToolRunner runner;
    return runner;
}

void ToolRunner::run(const QString& executable, const QStringList& arguments,
                     const std::optional<QString>& currentDirectory, const std::optional<QByteArray>& input) {
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

    const QString errorFileName =
        QStringLiteral("bw-err-") + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    const QString errorFilePath = QDir(temporaryDirectory()).filePath(errorFileName);
    FileDescriptor errorFile(
        ::open(QFile::encodeName(errorFilePath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!errorFile.isValid())
        throw systemError(errno, qtTrId("error.createFile"), errorFileName);
    struct ErrorFileRemoval {
        QString path;
        bool read = false;
        ~ErrorFileRemoval() {
            if (!read)
                QFile::remove(path);
        }
    } errorFileRemoval{errorFilePath};

    const QString toolName = QFileInfo(executable).fileName();
    FileDescriptor inputRead;
    FileDescriptor inputWrite;
    if (input) {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0)
            throw systemError(errno, qtTrId("error.launch"), toolName);
        inputRead = FileDescriptor(ends[0]);
        inputWrite = FileDescriptor(ends[1]);
    }

    SpawnSetup setup;
    if (input)
        posix_spawn_file_actions_adddup2(&setup.actions, inputRead.get(), STDIN_FILENO);
    posix_spawn_file_actions_addopen(&setup.actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&setup.actions, errorFile.get(), STDERR_FILENO);
    const QByteArray directory = currentDirectory ? QFile::encodeName(*currentDirectory) : QByteArray();
    if (currentDirectory)
        posix_spawn_file_actions_addchdir_np(&setup.actions, directory.constData());

    {
        std::lock_guard guard(m_lock);
        m_launching = true;
        m_terminatePending = false;
        m_terminationRequested = false;
    }
    pid_t processId = -1;
    const int spawnResult = ::posix_spawn(&processId, executablePath.constData(), &setup.actions,
                                          &setup.attributes, argumentVector.data(), environ);
    if (spawnResult != 0) {
        {
            std::lock_guard guard(m_lock);
            m_launching = false;
            m_terminatePending = false;
        }
        throw systemError(spawnResult, qtTrId("error.launch"), toolName);
    }
    const int processFd = openProcessFd(processId);
    adoptChild(processId, processFd);

    inputRead.close();
    if (input) {
        writeIgnoringBrokenPipe(inputWrite.get(), *input);
        inputWrite.close();
    }

    const Outcome outcome = waitForChild(processId, processFd);
    errorFile.close();
    errorFileRemoval.read = true;
    const QString errorText = decodedOrEmpty(readAndRemove(errorFilePath));

    bool terminationRequested = false;
    {
        std::lock_guard guard(m_lock);
        terminationRequested = m_terminationRequested;
    }
    // zip catches SIGTERM, removes its temporary file and exits with status 9: still a stop.
    if (outcome.signalled || (terminationRequested && outcome.exitStatus != 0))
        throw CompressionError::cancelled();
    if (outcome.exitStatus != 0)
        throw CompressionError::toolFailed(errorText);
}

void ToolRunner::adoptChild(int processId, int processFd) {
    bool terminateNow = false;
    {
        std::lock_guard guard(m_lock);
        m_launching = false;
        terminateNow = std::exchange(m_terminatePending, false);
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
