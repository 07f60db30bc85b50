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

    // Asks the running tool, if any, to terminate. Any thread; never waits.
    void terminateCurrent();

private:
    std::mutex m_lock;
    int m_processFd = -1; // pidfd of the running child, or -1
};
