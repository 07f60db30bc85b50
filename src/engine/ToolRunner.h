#pragma once

#include "CancellationToken.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <mutex>
#include <optional>

class PasswordTerminal;

// What a run answers to besides its command line.
struct ToolRunContext {
    // Once cancelled, the tool is not started (the run fails with cancelled).
    CancellationToken cancellation;
    // Folders given by descriptor (-1: none), which renaming folders on the way cannot change.
    struct Folders {
        // The tool starts in it, instead of `currentDirectory`.
        int working = -1;
        // The tool keeps it open at the same number, so that a path "/proc/self/fd/<n>/<name>"
        // in its arguments leads into that very folder.
        int output = -1;
    } folders;
};

// Runs one external tool to completion and turns its outcome into success or a CompressionError.
// It is also the handle through which a cancel request reaches the running tool.
class ToolRunner final {
public:
    using Context = ToolRunContext;

    ToolRunner() = default;
    Q_DISABLE_COPY_MOVE(ToolRunner)

    static ToolRunner& shared();

    // Blocks until the tool exits. Throws CompressionError (toolFailed, cancelled) or PlatformError.
    // The tool is killed should this process end first, however it ends. With a terminal, the tool
    // runs in a session of its own with it as its controlling terminal, which answers its prompts.
    // The tool sees toolEnvironment() only. Its standard error goes to a file in the temporary
    // folder that has no name, so that nothing is left there whatever happens to this process.
    void run(const QString& executable, const QStringList& arguments,
             const std::optional<QString>& currentDirectory = std::nullopt,
             const std::optional<QByteArray>& input = std::nullopt, const Context& context = {},
             PasswordTerminal* terminal = nullptr);

    // How much of a tool's standard output is kept for its message.
    static constexpr qsizetype outputTailSize = 64 * 1024;
    // The lines of a failed tool's standard output that carry its own message ("zip error: ...",
    // "zip I/O error: ...", "zip warning: ..."), for tools that write it there.
    static QString messageFromOutput(const QString& toolName, const QByteArray& output);

    // Asks the running tool, if any, to terminate. Any thread; never waits. A request that arrives
    // while a tool is being launched is applied as soon as the child exists.
    void terminateCurrent();

    // The process id of the tool running now, or -1: for reading how far it has got. Any thread.
    int runningProcessId() const { return m_runningProcessId.load(); }

private:
    // Records the launched child and applies a termination requested during the launch.
    void adoptChild(int processId, int processFd);
    // Waits for the child to end and clears the reference to it; returns waitid's report.
    struct Outcome {
        bool signalled = false;
        int signal = 0;
        int exitStatus = 0;
    };
    Outcome waitForChild(int processId, int processFd);

    std::mutex m_lock;
    std::atomic<int> m_runningProcessId{-1};
    int m_processFd = -1; // pidfd of the running child, or -1
    // Without pidfd support the pid is kept instead; it is only signalled under m_lock and is
    // cleared before the child is reaped, so it never names a reused pid.
    int m_processId = -1;
    bool m_launching = false;
    bool m_terminatePending = false;
    // Set once this run's tool was asked to stop; a tool may catch the signal and exit instead.
    bool m_terminationRequested = false;
};
