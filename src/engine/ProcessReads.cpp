#include "ProcessReads.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ? file.readAll() : QByteArray();
}

std::optional<qint64> readCharacters(pid_t processId) {
    const QByteArray counters = contents(QStringLiteral("/proc/%1/io").arg(processId));
    for (const QByteArray& line : counters.split('\n')) {
        if (line.startsWith("rchar:")) {
            bool ok = false;
            const qint64 value = line.mid(6).trimmed().toLongLong(&ok);
            if (ok)
                return value;
        }
    }
    return std::nullopt;
}

// Every thread of the process lists its own children.
QList<pid_t> childrenOf(pid_t processId) {
    QList<pid_t> children;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(processId);
    const QStringList threads = QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& thread : threads) {
        const QByteArrayList listed =
            contents(tasks + QLatin1Char('/') + thread + QStringLiteral("/children")).simplified().split(' ');
        for (const QByteArray& child : listed) {
            bool ok = false;
            const pid_t childId = pid_t(child.toInt(&ok));
            if (ok && childId > 0)
                children.append(childId);
        }
    }
    return children;
}

} // namespace

std::optional<qint64> ProcessReads::bytesRead(pid_t processId) {
    if (processId <= 0)
        return std::nullopt;
    std::optional<qint64> most = readCharacters(processId);
    if (!most)
        return std::nullopt;
    // A tool's process tree is shallow (tar, its compressor); the bound guards against a loop.
    QList<pid_t> pending = childrenOf(processId);
    for (int visited = 0; !pending.isEmpty() && visited < 64; ++visited) {
        const pid_t next = pending.takeFirst();
        if (const std::optional<qint64> read = readCharacters(next))
            most = std::max(*most, *read);
        pending += childrenOf(next);
    }
    return most;
}
