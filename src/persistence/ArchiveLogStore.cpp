#include "ArchiveLogStore.h"

#include "ArchiveLogCoding.h"

ArchiveLogStore::ArchiveLogStore(QSettings* settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings) {}

const QList<ArchiveLogEntry>& ArchiveLogStore::entries() const {
    if (m_loaded)
        return m_entries;
    m_loaded = true;
    // A value that is not bytes, or bytes that do not decode, leave the log empty; the stored value
    // is left alone so that nothing is lost until the next append replaces it.
    const QVariant stored = m_settings->value(key());
    if (stored.typeId() != QMetaType::QByteArray)
        return m_entries;
    if (std::optional<QList<ArchiveLogEntry>> entries = ArchiveLogCoding::decode(stored.toByteArray()))
        m_entries = std::move(*entries);
    return m_entries;
}

void ArchiveLogStore::append(const QString& path, ArchiveFormat format) {
    ArchiveLogEntry entry;
    entry.id = QUuid::createUuid();
    entry.date = QDateTime::currentDateTimeUtc();
    entry.path = path;
    entry.format = rawValue(format);
    entries();
    m_entries.prepend(std::move(entry));
    if (m_entries.size() > limit)
        m_entries.resize(limit);

    m_settings->setValue(key(), ArchiveLogCoding::encode(m_entries));
    // Flushed at once so a crash right after an archive does not lose its entry.
    m_settings->sync();
    emit entriesChanged();
}
