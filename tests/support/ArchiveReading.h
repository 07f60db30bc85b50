#pragma once

#include <QByteArrayList>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <algorithm>

// Standard output of a reader run to its end; empty when it fails.
inline QByteArray toolOutput(const QString& program, const QStringList& arguments) {
    QProcess reader;
    reader.start(program, arguments);
    reader.closeWriteChannel();
    const bool succeeded = reader.waitForFinished(60000) && reader.exitStatus() == QProcess::NormalExit &&
                           reader.exitCode() == 0;
    return succeeded ? reader.readAllStandardOutput() : QByteArray();
}

// Member names as the archive's own reader lists them: raw bytes, sorted, folders included, without
// "./" and trailing "/".
inline QByteArrayList archiveMembers(const QString& archive) {
    const QByteArray listing =
        archive.endsWith(QLatin1String(".zip"))
            ? toolOutput(QStringLiteral("unzip"), {QStringLiteral("-Z1"), archive})
            : toolOutput(QStringLiteral("tar"),
                         {QStringLiteral("--quoting-style=literal"), QStringLiteral("-tf"), archive});
    QByteArrayList names;
    for (QByteArray line : listing.split('\n')) {
        line = line.startsWith("./") ? line.mid(2) : line;
        while (line.endsWith('/'))
            line.chop(1);
        if (!line.isEmpty() && line != ".")
            names.append(line);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Flips one bit of the byte at `offset` (counted from the end when negative).
inline bool flipByte(const QString& path, qint64 offset) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || !file.seek(offset < 0 ? file.size() + offset : offset))
        return false;
    const char byte = char(file.peek(1).at(0) ^ 0x10);
    return file.write(&byte, 1) == 1;
}

// One member's contents, decrypted with password (an empty one when none is given).
inline QByteArray zipMember(const QString& archive, const QString& member, const QString& password = {}) {
    return toolOutput(QStringLiteral("unzip"),
                      {QStringLiteral("-p"), QStringLiteral("-P"), password, archive, member});
}
