#pragma once

#include <QString>

#include <mutex>

#include <sys/types.h>

// One tool started by fork and exec, and the only way to signal it: by its process descriptor
// where the kernel offers one, else by its pid, which is never signalled once it may be reaped.
// A stop may come from any thread at any time, before the start included.
class ChildProcess final {
public:
    // Everything the child needs, prepared before the fork: between fork and exec only
    // async-signal-safe calls may run.
    struct Plan {
        const char* executable = nullptr;
        char* const* arguments = nullptr;
        char* const* environment = nullptr;
        int input = -1; // standard input when set, else the parent's is kept
        int output = -1;
        int error = -1;
        const char* directory = nullptr;
        int directoryDescriptor = -1; // started in, instead of `directory`, when set
        int keptDescriptor = -1;      // left open across exec at its number, when set
        int progressDescriptor = -1;  // the same, for the tool's progress reports
    };

    // How the child ended, as waitid tells.
    struct Outcome {
        bool signalled = false;
        int signal = 0;
        int exitStatus = 0;
    };

    ChildProcess() = default;
    // A child still running (the run was left by an exception) is killed and reaped.
    ~ChildProcess();
    Q_DISABLE_COPY_MOVE(ChildProcess)

    // Starts the tool. Throws CompressionError::cancelled, starting nothing, when stop() came first,
    // or PlatformError ("error.launch" naming `toolName`) when it cannot start.
    void start(const Plan& plan, const QString& toolName);

    // Asks the child to terminate (SIGTERM); one asked for before it exists is refused its start,
    // or sent as soon as it runs. Any thread; never waits.
    void stop();
    // Ends the child at once (SIGKILL).
    void kill();

    pid_t processId() const { return m_startedId; }
    // Turns readable once the child has ended; -1 without process descriptors.
    int processFd() const { return m_processFd; }

    // Blocks until the child ends, and reaps it.
    Outcome wait();

private:
    void signal(int signal); // under m_lock

    std::mutex m_lock;
    pid_t m_startedId = -1;
    // The pid, while it may be signalled: cleared before the child is reaped.
    pid_t m_signalledId = -1;
    int m_processFd = -1;
    bool m_stopRequested = false;
    bool m_reaped = true;
};
