#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// Where one archive's items are staged, chosen once before staging. Links cost nothing but work
// only within one filesystem, so the staging folder goes where most of the bytes already are:
// the temporary folder when it shares the items' filesystem, else a hidden folder beside the first
// item when that folder can take it, else the temporary folder after all.
struct StagingPlan {
    // The folder that will hold the staging folder.
    QString parentFolder;
    // True when that is the first item's folder (the staging folder's name then starts with a dot).
    bool besideItems = false;
    // The bytes of all regular files among the items, and those of them that must be copied
    // because they lie on another filesystem than the staging folder.
    qint64 totalBytes = 0;
    qint64 bytesToCopy = 0;

    // Walks the items without following links inside folders. Items that cannot be read count as
    // nothing here; staging reports them.
    static StagingPlan choose(const QList<QUrl>& items, const QString& temporaryFolder);

    // Free bytes for an unprivileged user on the filesystem holding `folder`, or -1 when unknown.
    static qint64 freeSpace(const QString& folder);
};
