#include "CommandLineFiles.h"

#include "engine/LocalPath.h"

#include <QRegularExpression>

#include <unistd.h>

#include <cstdlib>
#include <memory>

namespace CommandLineFiles {

namespace {

bool looksLikeUrl(const QByteArray& argument) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    return argument.toLower().startsWith("file:") || scheme.match(QString::fromLatin1(argument)).hasMatch();
}

// A URL typed with raw bytes in it: each byte outside printable ASCII becomes its %XX, so that the
// parser sees the bytes and not a decoding of them.
QUrl parsedUrl(const QByteArray& argument) {
    QByteArray encoded;
    for (const char byte : argument) {
        const auto value = static_cast<unsigned char>(byte);
        if (value > 0x20 && value < 0x7f)
            encoded += byte;
        else
            encoded += '%' + QByteArray::number(value, 16).rightJustified(2, '0').toUpper();
    }
    return QUrl(QString::fromLatin1(encoded), QUrl::TolerantMode);
}

QUrl fileUrlForPath(const QByteArray& path, const QByteArray& workingDirectory) {
    const bool relative = !path.startsWith('/') && !workingDirectory.isEmpty();
    return LocalPath::toUrl(LocalPath::cleaned(relative ? workingDirectory + '/' + path : path));
}

} // namespace

QList<QUrl> fileUrls(const QByteArrayList& arguments, const QByteArray& workingDirectory) {
    QList<QUrl> urls;
    bool optionsEnded = false;
    for (const QByteArray& argument : arguments) {
        if (argument.isEmpty())
            continue;
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith('-'))
            continue;
        if (!optionsEnded && looksLikeUrl(argument)) {
            // Only files on this machine can be archived; remote and web URLs are not items.
            const QByteArray path = LocalPath::fromUrl(parsedUrl(argument));
            if (!path.isEmpty())
                urls.append(fileUrlForPath(path, workingDirectory));
            continue;
        }
        urls.append(fileUrlForPath(argument, workingDirectory));
    }
    return urls;
}

QByteArray workingDirectory() {
    const std::unique_ptr<char, decltype(&std::free)> directory(::getcwd(nullptr, 0), &std::free);
    return directory ? QByteArray(directory.get()) : QByteArray();
}

} // namespace CommandLineFiles
