#include "CommandLineFiles.h"

#include <QDir>
#include <QRegularExpression>

namespace CommandLineFiles {

namespace {

bool looksLikeUrl(const QString& argument) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    return argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive) ||
           scheme.match(argument).hasMatch();
}

QUrl fileUrlForPath(const QString& path, const QDir& workingDirectory) {
    return QUrl::fromLocalFile(QDir::cleanPath(workingDirectory.absoluteFilePath(path)));
}

} // namespace

QList<QUrl> fileUrls(const QStringList& arguments, const QString& workingDirectory) {
    const QDir base(workingDirectory);
    QList<QUrl> urls;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (argument.isEmpty())
            continue;
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')))
            continue;
        if (!optionsEnded && looksLikeUrl(argument)) {
            QUrl url(argument);
            // Only files on this machine can be archived; remote and web URLs are not items.
            if (url.host() == QLatin1String("localhost"))
                url.setHost(QString());
            if (url.isValid() && url.isLocalFile() && url.host().isEmpty())
                urls.append(fileUrlForPath(url.toLocalFile(), base));
            continue;
        }
        urls.append(fileUrlForPath(argument, base));
    }
    return urls;
}

} // namespace CommandLineFiles
