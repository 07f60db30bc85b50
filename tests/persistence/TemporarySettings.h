#pragma once

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A settings file in a temporary folder. QSettings caches parsed files per process, so values are
// seeded and read back through files of other names, which forces a real parse.
class TemporarySettings final {
public:
    TemporarySettings() { QVERIFY(m_folder.isValid()); }

    QString path() const { return m_folder.filePath(QStringLiteral("Balewick.conf")); }

    // The store under test, opened on first use.
    QSettings* settings() {
        if (!m_settings)
            m_settings = std::make_unique<QSettings>(path(), QSettings::IniFormat);
        return m_settings.get();
    }

    std::unique_ptr<QSettings> reopenFromDisk() {
        const QString copy = nextName();
        QFile::copy(path(), copy);
        return std::make_unique<QSettings>(copy, QSettings::IniFormat);
    }

    // Writes the values as QSettings itself stores them, then puts that file in place.
    void seed(const QVariantMap& values) {
        if (values.isEmpty())
            return;
        const QString scratch = nextName();
        {
            QSettings settings(scratch, QSettings::IniFormat);
            for (auto value = values.begin(); value != values.end(); ++value)
                settings.setValue(value.key(), value.value());
        }
        QFile::remove(path());
        QVERIFY(QFile::copy(scratch, path()));
    }

    QByteArray text() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QString nextName() { return m_folder.filePath(QStringLiteral("copy-%1.conf").arg(++m_copies)); }

    QTemporaryDir m_folder;
    int m_copies = 0;
    std::unique_ptr<QSettings> m_settings;
};
