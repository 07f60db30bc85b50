#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <stop_token>

class ProgressPipe;
struct RunProgress;

// What a run answers to besides its command line.
struct ToolRunContext {
    // Once stop is requested, the tool is not started, or is asked to terminate; the run then fails
    // with cancelled.
    std::stop_token stop;
    // Folders given by descriptor (-1: none), which renaming folders on the way cannot change.
    struct Folders {
        // The tool starts in it, instead of `currentDirectory`.
        int working = -1;
        // The tool keeps it open at the same number, so that a path "/proc/self/fd/<n>/<name>"
        // in its arguments leads into that very folder.
        int output = -1;
    } folders;
    // When given, holds the process id of the tool while it runs, for reading how far it has got.
    RunProgress* progress = nullptr;
    // When given, the tool reports its bytes read on this pipe, and the last report becomes
    // `progress->done` while it runs.
    ProgressPipe* progressPipe = nullptr;
};

// Runs one external tool to completion and turns its outcome into success or a CompressionError.
// Each run keeps its child to itself: only the run's own stop token reaches it.
class ToolRunner final {
public:
    using Context = ToolRunContext;

    // Blocks until the tool exits. Throws CompressionError (toolFailed, cancelled) or PlatformError.
    // The tool is killed should this process end first, however it ends.
    // The tool sees toolEnvironment() only. Its standard error goes to a file in the temporary
    // folder that has no name, so that nothing is left there whatever happens to this process.
    void run(const QString& executable, const QStringList& arguments,
             const std::optional<QString>& currentDirectory = std::nullopt,
             const std::optional<QByteArray>& input = std::nullopt, const Context& context = {}) const;

    // How much of a tool's standard output is kept for its message.
    static constexpr qsizetype outputTailSize = 64 * 1024;
    // The lines of a failed tool's standard output that carry its own message ("zip error: ...",
    // "zip I/O error: ...", "zip warning: ..."), for tools that write it there.
    static QString messageFromOutput(const QString& toolName, const QByteArray& output);
};
