#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <mutex>
#include <optional>

// Runs one external tool to completion and turns its outcome into success or a CompressionError.
// It is also the handle through which a cancel request reaches the running tool.
class ToolRunner final {
public:
    ToolRunner() = default;
    Q_DISABLE_COPY_MOVE(ToolRunner)

    static ToolRunner& shared();

    // Blocks until the tool exits. Throws CompressionError (toolFailed, cancelled) or PlatformError.
    void run(const QString& executable, const QStringList& arguments,
             const std::optional<QString>& currentDirectory = std::nullopt,
             const std::optional<QByteArray>& input = std::nullopt);

    // Asks the running tool, if any, to terminate. Any thread; never waits. A request that arrives
    // while a tool is being launched is applied as soon as the child exists.
    void terminateCurrent();

private:
    // Records the launched child and applies a termination requested during the launch.
    void adoptChild(int processId, int processFd);
    // Waits for the child to end and clears the reference to it; returns waitid's report.
    struct Outcome {
        bool signalled = false;
        int exitStatus = 0;
    };
    Outcome waitForChild(int processId, int processFd);

    std::mutex m_lock;
    int m_processFd = -1; // pidfd of the running child, or -1
    // Without pidfd support the pid is kept instead; it is only signalled under m_lock and is
    // cleared before the child is reaped, so it never names a reused pid.
    int m_processId = -1;
    bool m_launching = false;
    bool m_terminatePending = false;
    // Set once this run's tool was asked to stop; a tool may catch the signal and exit instead.
    bool m_terminationRequested = false;
};
