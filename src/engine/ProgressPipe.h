#pragma once

#include "FileDescriptor.h"

#include <QByteArray>
#include <QString>

#include <atomic>

// A pipe a tool reports its progress on: it writes the bytes it has read so far to the descriptor
// named on its command line, as decimal lines. The tool gets the write end at this very number.
class ProgressPipe final {
public:
    // Throws PlatformError ("error.launch" naming `toolName`) when no pipe can be made.
    explicit ProgressPipe(const QString& toolName);
    Q_DISABLE_COPY_MOVE(ProgressPipe)

    // The number the tool writes to.
    int toolDescriptor() const { return m_writeEnd.get(); }
    // Once the tool has its copy: the read end then ends when the tool's does.
    void closeToolEnd() { m_writeEnd.close(); }
    // -1 once the tool's end is closed and everything is read.
    int readDescriptor() const { return m_readEnd.get(); }

    // Reads what is there without waiting and puts the last full decimal line into `done`, when
    // given; other lines are passed over. Closes the read end at its end.
    void readAvailable(std::atomic<qint64>* done);

private:
    FileDescriptor m_readEnd;
    FileDescriptor m_writeEnd;
    QByteArray m_partialLine;
};
