#pragma once

#include <QByteArray>

#include <sys/types.h>
#include <time.h>

// What staging took of one item: the entry at its path as it was then (not following a link, as
// the Trash moves it), and whether all of it was staged.
struct StagedItem {
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    // Every entry inside was staged, Finder files left out on request aside.
    bool complete = false;

    // The entry at `path` now; a missing entry matches no item that was staged.
    static StagedItem at(const QByteArray& path);
    // Still the same entry, unchanged since it was staged.
    bool isSameEntry(const StagedItem& other) const;
};
