#pragma once

#include <QtGlobal>

#include <atomic>

// How far the step in progress (copying to the staging folder, the tool, the read-back) has got.
// Written by the worker that makes an archive, read by the window that shows it.
struct RunProgress {
    // Changes whenever a step starts, so that a reader starts its estimate over.
    std::atomic<int> step{0};
    // The bytes the step has to get through; 0 when unknown.
    std::atomic<qint64> total{0};
    // The bytes done, as the step counts them; -1 when the running tool's own reads tell.
    std::atomic<qint64> done{-1};
    // The tool running now, whose reads tell how far it has got; -1 while none runs.
    std::atomic<int> processId{-1};

    void begin(qint64 totalBytes, qint64 doneBytes) {
        total = totalBytes;
        done = doneBytes;
        ++step;
    }
};
