#pragma once

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

// A settings file in a temporary folder. QSettings keeps parsed files in a process-wide cache, so
// a second QSettings over the same path may answer from memory; reopenFromDisk() copies the file
// to a new name first, which forces a real parse of what was written.
class TemporarySettings final {
public:
    TemporarySettings() { QVERIFY(m_folder.isValid()); }

    QString path() const { return m_folder.filePath(QStringLiteral("Balewick.conf")); }

    std::unique_ptr<QSettings> open() const {
        return std::make_unique<QSettings>(path(), QSettings::IniFormat);
    }

    std::unique_ptr<QSettings> reopenFromDisk() {
        const QString copy = m_folder.filePath(QStringLiteral("copy-%1.conf").arg(++m_copies));
        if (QFile::exists(path()))
            QFile::copy(path(), copy);
        return std::make_unique<QSettings>(copy, QSettings::IniFormat);
    }

    // Writes the file through a QSettings over another path, then puts the result in place, so the
    // first open() of path() parses it from disk.
    void seed(const std::function<void(QSettings&)>& write) {
        const QString scratch = m_folder.filePath(QStringLiteral("seed-%1.conf").arg(++m_copies));
        {
            QSettings settings(scratch, QSettings::IniFormat);
            write(settings);
        }
        QFile::remove(path());
        QVERIFY(QFile::copy(scratch, path()));
    }

    // Writes the file as a user or another program might have, bypassing QSettings.
    void writeText(const QByteArray& text) const {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QByteArray text() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_folder;
    int m_copies = 0;
};
