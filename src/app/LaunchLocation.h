#pragma once

#include <QString>
#include <QStringList>

// Balewick runs only once installed: from a build tree its resources and desktop integration are
// missing, and a copy left there would silently go stale.
namespace LaunchLocation {

// The folders applications are installed under: the local domain (/usr, /opt) first, then the
// user's (~/.local, ~/Applications), each canonical when it exists.
QStringList applicationsFolderPaths();

// True when the executable, symlinks resolved, lies inside one of the folders (also resolved).
// A folder is compared with a trailing "/", so /usr2 is not inside /usr.
bool isInApplicationsFolder(const QString& executablePath, const QStringList& folders);

// The running executable's canonical path.
QString executablePath();

} // namespace LaunchLocation
