#pragma once

#include <QDir>
#include <QString>

// The user's temporary directory. QDir::tempPath() answers an empty string when TMPDIR names a
// folder that does not exist; files must then still go to a real temporary folder, never to the
// current directory.
inline QString temporaryDirectory() {
    const QString path = QDir::tempPath();
    return path.isEmpty() ? QStringLiteral("/tmp") : path;
}
