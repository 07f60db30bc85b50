#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// Linux names are bytes, not text. A file URL carries any of them percent-encoded, so items travel
// as URLs and become paths only here, byte for byte. A path decoded to a QString is for showing:
// names that are not UTF-8 lose bytes there and could name another file.
class LocalPath final {
public:
    // The exact bytes of the path a file URL names; empty when it names no file on this machine
    // (not valid, another host, no path) or could not be passed to the system (a NUL byte).
    static QByteArray fromUrl(const QUrl& url);
    // A file URL that carries `path` exactly, whatever its bytes.
    static QUrl toUrl(const QByteArray& path);

    // Repeated slashes, "." and ".." resolved by the text alone, as QDir::cleanPath does.
    static QByteArray cleaned(const QByteArray& path);
    // The last component ("/" for the root) and the folder that holds it.
    static QByteArray fileName(const QByteArray& path);
    static QByteArray folder(const QByteArray& path);
    // The readable form, for labels, messages and the log: never use it to find the file again.
    static QString display(const QByteArray& path);
};
