#pragma once

#include <QByteArrayList>
#include <QFile>
#include <QList>
#include <QProcess>

// A program run to its end: how it ended and what it wrote.
struct ProgramOutcome {
    int exitCode = -1;
    bool crashed = false;
    QByteArray output;
    QByteArray error;
};

inline ProgramOutcome runProgram(const QString& program, const QStringList& arguments,
                                 const QString& folder = {}, const QByteArray& input = {}) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(600000);
    return {process.exitCode(), process.exitStatus() == QProcess::CrashExit, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

// The byte counts a tool reported on its progress descriptor, one line each; empty when a line is
// cut short, there is none, or a count falls.
inline QList<qint64> progressReports(QFile& report) {
    if (!report.seek(0))
        return {};
    QByteArrayList lines = report.readAll().split('\n');
    if (lines.size() < 2 || !lines.takeLast().isEmpty())
        return {};
    QList<qint64> counts;
    for (const QByteArray& line : lines) {
        if (!counts.isEmpty() && line.toLongLong() < counts.last())
            return {};
        counts.append(line.toLongLong());
    }
    return counts;
}
