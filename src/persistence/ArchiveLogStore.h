#pragma once

#include "ArchiveLogEntry.h"

#include <QList>
#include <QObject>
#include <QSettings>

// The log of archives made, newest first, kept as JSON bytes under "BWArchiveLog".
class ArchiveLogStore final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<ArchiveLogEntry> entries READ entries NOTIFY entriesChanged)

public:
    static constexpr int limit = 200;

    // Reads the log from the given store (not owned; it must outlive this object) when first asked,
    // as nothing shows it at start.
    explicit ArchiveLogStore(QSettings* settings, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(ArchiveLogStore)

    static QString key() { return QStringLiteral("BWArchiveLog"); }

    const QList<ArchiveLogEntry>& entries() const;

    // Records an archive that now exists at path. Never fails outward.
    void append(const QString& path, ArchiveFormat format);

signals:
    void entriesChanged();

private:
    QSettings* m_settings;
    mutable QList<ArchiveLogEntry> m_entries;
    mutable bool m_loaded = false;
};
