#include "LaunchLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace LaunchLocation {

namespace {

// Symlinks resolved where the path exists; otherwise only made absolute and clean, as a missing
// folder can still be named.
QString resolved(const QString& path) {
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

QStringList applicationsFolderPaths() {
    const QString home = QDir::homePath();
    return {resolved(QStringLiteral("/usr")), resolved(QStringLiteral("/opt")),
            resolved(home + QStringLiteral("/.local")), resolved(home + QStringLiteral("/Applications"))};
}

bool isInApplicationsFolder(const QString& executablePath, const QStringList& folders) {
    const QString executable = resolved(executablePath);
    if (executable.isEmpty())
        return false;
    for (const QString& folder : folders) {
        QString prefix = resolved(folder);
        // An empty entry would otherwise become "/" and admit everything.
        if (prefix.isEmpty())
            continue;
        if (!prefix.endsWith(QLatin1Char('/')))
            prefix += QLatin1Char('/');
        if (executable.startsWith(prefix))
            return true;
    }
    return false;
}

QString executablePath() {
    return resolved(QCoreApplication::applicationFilePath());
}

} // namespace LaunchLocation
