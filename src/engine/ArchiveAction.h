#pragma once

#include <QList>
#include <QString>

// What the user wants done with the dropped items. The integer values are stored in the settings.
enum class ArchiveAction { compress = 0, email = 1, archive = 2 };

inline int rawValue(ArchiveAction action) {
    return static_cast<int>(action);
}
const QList<ArchiveAction>& allArchiveActions();

// The word that completes a format's description key ("compress", "email", "archive").
QString actionWord(ArchiveAction action);
