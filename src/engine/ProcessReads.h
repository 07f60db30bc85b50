#pragma once

#include <QtGlobal>

#include <optional>
#include <sys/types.h>

// How far a running tool has read, from what the kernel counts for it (`rchar` in /proc/<pid>/io).
class ProcessReads final {
public:
    // The most bytes that the process or any of its descendants has read, or none when the
    // process is gone or its counters cannot be read. A pipeline counts once, not once per stage:
    // tar reads the files and its compressor reads them again from the pipe.
    static std::optional<qint64> bytesRead(pid_t processId);
};
