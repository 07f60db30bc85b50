#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace EngineTest {

// Points TMPDIR (and with it QDir::tempPath()) at a fresh private folder, so that what the engine
// leaves behind can be counted. Keep one alive for the whole test case.
class PrivateTemporaryDirectory final {
public:
    PrivateTemporaryDirectory() {
        QDir().mkpath(path());
        qputenv("TMPDIR", QFile::encodeName(path()));
    }
    QString path() const { return m_root.filePath(QStringLiteral("tmp")); }
    // Error-capture files and staging folders still present.
    QStringList leftovers() const {
        return QDir(path()).entryList({QStringLiteral("bw-err-*"), QStringLiteral("Balewick-*")},
                                      QDir::AllEntries | QDir::Hidden | QDir::System);
    }

private:
    QTemporaryDir m_root;
};

inline void writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

// Everything in a folder, hidden entries included, sorted.
inline QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// Standard output of a command; its exit code, -1 for a crash, in *exitCode.
inline QByteArray output(const QString& program, const QStringList& arguments, int* exitCode = nullptr) {
    QProcess process;
    process.start(program, arguments);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

// An executable shell script in `folder`.
inline QString script(const QString& folder, const QString& name, const QByteArray& body) {
    const QString path = folder + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("#!/bin/sh\n" + body + '\n');
    file.close();
    ::chmod(QFile::encodeName(path).constData(), 0755);
    return path;
}

} // namespace EngineTest
