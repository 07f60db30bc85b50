#include "ToolRunner.h"

#include "ChildProcess.h"
#include "CompressionError.h"
#include "FileDescriptor.h"
#include "ProgressPipe.h"
#include "RunProgress.h"
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
#include <sys/stat.h>
#include <unistd.h>

#include <stop_token>
#include <vector>

namespace {

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

// The tool's progress reports, read as they come; nothing when it makes none.
struct ProgressReports {
    ProgressPipe* pipe = nullptr;
    std::atomic<qint64>* done = nullptr;
    int descriptor() const { return pipe ? pipe->readDescriptor() : -1; }
    void read() const {
        if (pipe)
            pipe->readAvailable(done);
    }
};

// Writes `bytes` to the tool's standard input, then closes it, while reading its output, keeping
// the last `limit` bytes: a tool that writes before it has read all its input never waits on us.
// Writing stops at the first failure (a tool may exit without reading its input). Ends when both
// are done or, when a process descriptor tells, once the tool has ended (a child of its own may
// keep the pipes).
QByteArray exchangeWithTool(FileDescriptor& input, const QByteArray& bytes, int output, int processFd,
                            const ProgressReports& reports, qsizetype limit) {
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
        pollfd watched[4] = {{outputOpen ? output : -1, POLLIN, 0},
                             {processFd, POLLIN, 0},
                             {input.get(), POLLOUT, 0},
                             {reports.descriptor(), POLLIN, 0}};
        if (::poll(watched, 4, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (watched[3].revents != 0)
            reports.read();
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
    reports.read(); // the last report, written just before the tool ended
    return tail.size() > limit ? tail.right(limit) : tail;
}

// The argument and environment vectors exec takes, pointing into byte arrays kept here.
struct CommandLine {
    std::vector<QByteArray> argumentBytes;
    QByteArrayList environmentBytes = toolEnvironment();
    std::vector<char*> arguments;
    std::vector<char*> environment;

    CommandLine(const QByteArray& executable, const QStringList& words) {
        argumentBytes.push_back(executable);
        for (const QString& word : words)
            argumentBytes.push_back(QFile::encodeName(word));
        for (QByteArray& argument : argumentBytes)
            arguments.push_back(argument.data());
        arguments.push_back(nullptr);
        for (QByteArray& entry : environmentBytes)
            environment.push_back(entry.data());
        environment.push_back(nullptr);
    }
    Q_DISABLE_COPY_MOVE(CommandLine)
};

struct Pipe {
    FileDescriptor readEnd;
    FileDescriptor writeEnd;

    Pipe() = default;
    explicit Pipe(const QString& toolName) {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0)
            throw systemError(errno, qtTrId("error.launch"), toolName);
        readEnd = FileDescriptor(ends[0]);
        writeEnd = FileDescriptor(ends[1]);
    }
};

// What a tool left behind once it ended.
struct ToolReport {
    ChildProcess::Outcome outcome;
    QString errorText;
    QByteArray outputTail;
};

// Answers the prompts, feeds the input, keeps the output and waits for the started child.
ToolReport superviseTool(ChildProcess& child, FileDescriptor& errorFile, Pipe& input, const QByteArray& bytes,
                         Pipe& output, const ToolRunner::Context& context) {
    RunProgress* progress = context.progress;
    output.writeEnd.close();
    input.readEnd.close();
    if (context.progressPipe)
        context.progressPipe->closeToolEnd();
    if (progress)
        progress->processId = child.processId();
    ToolReport report;
    const ProgressReports reports{context.progressPipe, progress ? &progress->done : nullptr};
    report.outputTail = exchangeWithTool(input.writeEnd, bytes, output.readEnd.get(), child.processFd(),
                                         reports, ToolRunner::outputTailSize);
    // Its output is closed by now; nothing more to read of its progress.
    if (progress)
        progress->processId = -1;
    report.outcome = child.wait();
    report.errorText = decodedOrEmpty(readAll(errorFile.get()));
    errorFile.close();
    return report;
}

void throwOnFailure(const ToolReport& report, bool stopAsked, const QString& toolName) {
    // zip catches SIGTERM, removes its temporary file and exits with status 9: still a stop. A
    // tool killed by anyone else (the out-of-memory killer, a user) failed, and says so.
    const ChildProcess::Outcome& outcome = report.outcome;
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
        throw CompressionError::toolFailed(report.errorText.trimmed().isEmpty()
                                               ? ToolRunner::messageFromOutput(toolName, report.outputTail)
                                               : report.errorText);
    }
}

} // namespace

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
                     const Context& context) const {
    if (context.stop.stop_requested())
        throw CompressionError::cancelled();
    const QByteArray executablePath = QFile::encodeName(executable);
    if (!isExecutableFile(executablePath))
        throw CompressionError::toolFailed(qtTrId("error.toolMissing"));
    const CommandLine command(executablePath, arguments);
    FileDescriptor errorFile = openErrorFile();
    if (!errorFile.isValid()) {
        const int error = errno;
        throw systemError(error, qtTrId("error.createFile"), temporaryDirectory());
    }
    const QString toolName = QFileInfo(executable).fileName();
    Pipe inputPipe = input ? Pipe(toolName) : Pipe();
    Pipe outputPipe(toolName);
    const QByteArray directory = currentDirectory ? QFile::encodeName(*currentDirectory) : QByteArray();

    ChildProcess::Plan plan;
    plan.executable = executablePath.constData();
    plan.arguments = command.arguments.data();
    plan.environment = command.environment.data();
    plan.input = inputPipe.readEnd.get();
    plan.output = outputPipe.writeEnd.get();
    plan.error = errorFile.get();
    plan.directory = currentDirectory ? directory.constData() : nullptr;
    plan.directoryDescriptor = context.folders.working;
    plan.keptDescriptor = context.folders.output;
    plan.progressDescriptor = context.progressPipe ? context.progressPipe->toolDescriptor() : -1;

    ChildProcess child;
    const std::stop_callback stopping(context.stop, [&child] { child.stop(); });
    child.start(plan, toolName);
    const ToolReport report =
        superviseTool(child, errorFile, inputPipe, input.value_or(QByteArray()), outputPipe, context);
    throwOnFailure(report, context.stop.stop_requested(), toolName);
}
