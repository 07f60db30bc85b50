#include "ProgressPipe.h"

#include "SystemError.h"

#include <QByteArrayList>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {

// A line of digits only, in range; nothing else counts.
std::optional<qint64> decimal(const QByteArray& line) {
    if (line.isEmpty() || line.size() > 18)
        return std::nullopt;
    for (const char byte : line)
        if (byte < '0' || byte > '9')
            return std::nullopt;
    return line.toLongLong();
}

} // namespace

ProgressPipe::ProgressPipe(const QString& toolName) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        throw systemError(errno, qtTrId("error.launch"), toolName);
    m_readEnd = FileDescriptor(ends[0]);
    m_writeEnd = FileDescriptor(ends[1]);
    // Read between the tool's other business, never waited on.
    ::fcntl(ends[0], F_SETFL, ::fcntl(ends[0], F_GETFL) | O_NONBLOCK);
}

void ProgressPipe::readAvailable(std::atomic<qint64>* done) {
    char buffer[4096];
    while (m_readEnd.isValid()) {
        const ssize_t count = ::read(m_readEnd.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno == EAGAIN)
            return;
        if (count <= 0) {
            m_readEnd.close();
            return;
        }
        m_partialLine.append(buffer, count);
        const qsizetype lastEnd = m_partialLine.lastIndexOf('\n');
        if (lastEnd < 0)
            continue;
        const QByteArrayList lines = m_partialLine.left(lastEnd).split('\n');
        m_partialLine.remove(0, lastEnd + 1);
        if (m_partialLine.size() > 64) // no number is that long
            m_partialLine.clear();
        for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
            if (const std::optional<qint64> value = decimal(*line); value && done) {
                *done = *value;
                break;
            }
        }
    }
}
