#include "LogTableModel.h"

#include "SearchFolding.h"
#include "persistence/ArchiveLogStore.h"

#include <QTimeZone>

namespace {

// The locale's short numeric date, with the full year so that old entries are not ambiguous. The C
// locale's short date spells the month, so it gets the ISO form instead.
QString numericDateFormat(const QLocale& locale) {
    if (locale.language() == QLocale::C)
        return QStringLiteral("yyyy-MM-dd");
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

} // namespace

LogTableModel::LogTableModel(ArchiveLogStore& store, QObject* parent)
    : QAbstractTableModel(parent)
    , m_store(store)
    , m_dateFormat(numericDateFormat(m_locale)) {
    for (const ArchiveFormat format : allArchiveFormats())
        m_formatNames.at(rawValue(format)) = qtTrId(titleKey(format).toUtf8().constData());
    m_entries = m_store.entries();
    m_searchTexts.reserve(m_entries.size());
    for (const ArchiveLogEntry& entry : std::as_const(m_entries))
        m_searchTexts.append(searchTextOf(entry));
    connect(&m_store, &ArchiveLogStore::entriesChanged, this, &LogTableModel::followStore);
}

int LogTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

int LogTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnTotal;
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const ArchiveLogEntry& row = m_entries.at(index.row());
    if (index.column() == revealColumn) {
        if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
            return qtTrId("log.reveal");
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    // Worked out only for the rows on screen, so opening a long log stays quick.
    switch (index.column()) {
    case fileColumn:
        return fileName(row.path);
    case formatColumn:
        return formatName(row);
    case dateColumn:
        return m_locale.toString(row.date.toLocalTime().date(), m_dateFormat);
    case pathColumn:
        return row.path;
    default:
        return {};
    }
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case fileColumn:
        return qtTrId("log.column.file");
    case formatColumn:
        return qtTrId("log.column.format");
    case dateColumn:
        return qtTrId("log.column.date");
    case pathColumn:
        return qtTrId("log.column.path");
    default:
        return QString();
    }
}

Qt::ItemFlags LogTableModel::flags(const QModelIndex& index) const {
    // Rows are never selected or edited; they only need to be reachable for the reveal key.
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

QString LogTableModel::fileName(const QString& path) {
    qsizetype end = path.size();
    while (end > 1 && path.at(end - 1) == QLatin1Char('/'))
        --end;
    const qsizetype start = path.lastIndexOf(QLatin1Char('/'), end - 1) + 1;
    if (end == 1 && start == 1)
        return path.left(1);
    return path.mid(start, end - start);
}

const QString& LogTableModel::formatName(const ArchiveLogEntry& entry) const {
    return m_formatNames.at(rawValue(entry.resolvedFormat()));
}

QString LogTableModel::searchTextOf(const ArchiveLogEntry& entry) const {
    // A NUL never occurs in a path or a name, so a query cannot match across the two parts.
    return SearchFolding::folded(entry.path + QChar(u'\0') + formatName(entry), m_locale);
}

void LogTableModel::followStore() {
    const QList<ArchiveLogEntry>& latest = m_store.entries();
    // Appends put new entries in front and may drop the oldest; anything else is a new list.
    qsizetype added = m_entries.isEmpty() ? latest.size() : -1;
    if (!m_entries.isEmpty()) {
        const QUuid newestKnown = m_entries.first().id;
        for (qsizetype row = 0; row < latest.size(); ++row) {
            if (latest.at(row).id == newestKnown) {
                added = row;
                break;
            }
        }
    }
    const qsizetype kept = latest.size() - qMax<qsizetype>(added, 0);
    bool isAppend = added >= 0 && kept <= m_entries.size();
    for (qsizetype row = 0; isAppend && row < kept; ++row)
        isAppend = latest.at(added + row).id == m_entries.at(row).id;
    if (!isAppend) {
        beginResetModel();
        m_entries = latest;
        m_searchTexts.clear();
        for (const ArchiveLogEntry& entry : std::as_const(m_entries))
            m_searchTexts.append(searchTextOf(entry));
        endResetModel();
        return;
    }

    if (kept < m_entries.size()) {
        beginRemoveRows(QModelIndex(), int(kept), int(m_entries.size() - 1));
        m_entries.resize(kept);
        m_searchTexts.resize(kept);
        endRemoveRows();
    }
    if (added > 0) {
        beginInsertRows(QModelIndex(), 0, int(added - 1));
        QList<QString> texts;
        texts.reserve(added);
        for (qsizetype row = 0; row < added; ++row)
            texts.append(searchTextOf(latest.at(row)));
        m_searchTexts = texts + m_searchTexts;
        m_entries = latest;
        endInsertRows();
    }
    m_entries = latest;
}
