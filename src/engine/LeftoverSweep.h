#pragma once

#include <QString>

// Removes what an earlier Balewick left behind when it ended in the middle of an archive (a crash,
// kill -9, a power cut). Only the instance that owns the single-instance socket runs it, at start.
class LeftoverSweep final {
public:
    // Removes the places listed by journal entries whose process is gone, and the temporary
    // folder's "Balewick-*" folders and "bw-err-*" files that no live entry lists. Anything that
    // is not plainly ours (our name, our user, our private mode) is left alone.
    static void run();
    // The same over the given folders (tests).
    static void run(const QString& journalFolder, const QString& temporaryFolder);
};
