#pragma once

#include <QList>
#include <QUrl>

// The archives of one completed run, in the order they were made; never empty. With the Trash
// option on, also the items that stayed where they were, and why.
struct ArchiveResult {
    enum class KeptReason {
        noTrash,    // the Trash refused it (none on that volume, no permission)
        changed,    // not the entry that was staged any more
        incomplete, // some of it could not be archived
    };
    struct KeptItem {
        QUrl item;
        KeptReason reason;
        bool operator==(const KeptItem&) const = default;
    };

    QList<QUrl> urls;
    QList<KeptItem> kept = {};
    bool operator==(const ArchiveResult&) const = default;
};
