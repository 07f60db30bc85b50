#pragma once

#include <QString>

// Removes what an earlier Balewick left behind when it ended in the middle of an archive (a crash,
// kill -9, a power cut). Only the instance that owns the single-instance socket runs it, at start.
class LeftoverSweep final {
public:
    // Removes the folders listed by journal entries whose process is gone, each only while its
    // name still leads to the very folder that was made (same device and inode, ours), then the
    // entries. Nothing is removed for its name alone; a folder that is not plainly ours stays.
    static void run();
    // The same over the given journal folder (tests).
    static void run(const QString& journalFolder);
};
