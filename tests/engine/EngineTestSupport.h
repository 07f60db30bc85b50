#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// Points QDir::tempPath() (and the children's TMPDIR) at a fresh private folder, so that files the
// engine leaves behind can be counted reliably. Keep one alive for the whole test case.
class PrivateTemporaryDirectory final {
public:
    PrivateTemporaryDirectory() {
        m_path = m_root.path() + QStringLiteral("/tmp");
        QDir().mkpath(m_path);
        qputenv("TMPDIR", QFile::encodeName(m_path));
    }
    const QString& path() const { return m_path; }

    // Error-capture files and staging folders still present.
    QStringList leftovers() const {
        return QDir(m_path).entryList({QStringLiteral("bw-err-*"), QStringLiteral("Balewick-*")},
                                      QDir::AllEntries | QDir::Hidden | QDir::System);
    }

private:
    QTemporaryDir m_root;
    QString m_path;
};

namespace EngineTest {

// Points TMPDIR elsewhere for one test.
class TemporaryDirectoryOverride final {
public:
    explicit TemporaryDirectoryOverride(const QString& path)
        : m_previous(qgetenv("TMPDIR")) {
        qputenv("TMPDIR", QFile::encodeName(path));
    }
    ~TemporaryDirectoryOverride() { qputenv("TMPDIR", m_previous); }

private:
    QByteArray m_previous;
};

inline void writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

// Everything in a folder, hidden entries included.
inline QStringList entries(const QString& folder) {
    QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// Standard output of a command that must succeed.
inline QByteArray output(const QString& program, const QStringList& arguments, int* exitCode = nullptr) {
    QProcess process;
    process.start(program, arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        qWarning("%s did not finish", qPrintable(program));
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

// An executable shell script in `folder`.
inline QString script(const QString& folder, const QString& name, const QByteArray& body) {
    const QString path = folder + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("#!/bin/sh\n" + body + '\n') < 0)
        qWarning("cannot write %s", qPrintable(path));
    file.close();
    ::chmod(QFile::encodeName(path).constData(), 0755);
    return path;
}

} // namespace EngineTest
