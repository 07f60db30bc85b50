#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <sys/types.h>

// Removes trees of ours without following a link and without looking a path up twice: every
// folder is opened relative to the one holding it, without following a link, and entered only
// when this user owns it and it lies on the same filesystem. What is not ours is left as it is.
class TreeRemoval final {
public:
    // Removes everything in the open folder `folder` (any descriptor of it, O_PATH included). Returns
    // false when something was left because it is not ours; other failures leave things silently.
    static bool removeContents(int folder);

    // Removes the entry `name` of the open folder `parent`: a folder with everything in it,
    // anything else by itself. Returns false as removeContents does.
    static bool removeEntry(int parent, const QByteArray& name);

    // Removes the folder `name` of `parent` with everything in it, but only while that name still
    // leads to the folder identified by `device` and `inode`, ours. Returns false when it leads to
    // anything else (which is left), or as removeContents does. A name that leads nowhere is fine.
    static bool removeFolderIfSame(int parent, const QByteArray& name, dev_t device, ino_t inode);

    // The names in the open folder `folder`, read through a descriptor of their own (so the
    // caller's offset stays); empty when it cannot be read.
    static QByteArrayList namesIn(int folder);
};
