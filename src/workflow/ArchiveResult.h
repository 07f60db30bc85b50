#pragma once

#include <QList>
#include <QUrl>

// The archives of one completed run, in the order they were made; never empty.
struct ArchiveResult {
    QList<QUrl> urls;
    bool operator==(const ArchiveResult&) const = default;
};
