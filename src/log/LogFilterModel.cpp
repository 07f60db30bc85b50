#include "LogFilterModel.h"

#include "LogTableModel.h"
#include "SearchFolding.h"

#include <algorithm>
#include <numeric>

LogFilterModel::LogFilterModel(LogTableModel& source, QObject* parent)
    : QAbstractProxyModel(parent)
    , m_source(source) {
    QAbstractProxyModel::setSourceModel(&source);
    m_rows.resize(source.rowCount());
    std::iota(m_rows.begin(), m_rows.end(), 0);

    connect(&source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(&source, &QAbstractItemModel::modelReset, this, [this] {
        m_rows.clear();
        for (int row = 0; row < m_source.rowCount(); ++row) {
            if (accepts(row))
                m_rows.append(row);
        }
        endResetModel();
    });
    connect(&source, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { sourceRowsInserted(first, last); });
    connect(&source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { sourceRowsAboutToBeRemoved(first, last); });
    connect(&source, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { sourceRowsRemoved(first, last); });
}

void LogFilterModel::setQuery(const QString& query) {
    const QString needle = SearchFolding::folded(query.trimmed(), m_source.locale());
    if (needle == m_needle)
        return;
    // Typing on narrows the rows already shown, so only those need looking at again.
    const bool narrows = !m_needle.isEmpty() && needle.contains(m_needle);
    m_needle = needle;
    QList<int> rows;
    if (narrows) {
        for (const int row : std::as_const(m_rows)) {
            if (accepts(row))
                rows.append(row);
        }
    } else {
        rows.reserve(m_source.rowCount());
        for (int row = 0; row < m_source.rowCount(); ++row) {
            if (accepts(row))
                rows.append(row);
        }
    }
    if (rows == m_rows)
        return;
    // One reset is far cheaper for the view than thousands of scattered removals.
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

bool LogFilterModel::accepts(int sourceRow) const {
    return m_needle.isEmpty() || m_source.searchText(sourceRow).contains(m_needle);
}

QModelIndex LogFilterModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= m_rows.size() || column < 0 || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex LogFilterModel::parent(const QModelIndex&) const {
    return {};
}

bool LogFilterModel::hasChildren(const QModelIndex& parent) const {
    return !parent.isValid() && !m_rows.isEmpty();
}

int LogFilterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int LogFilterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_source.columnCount();
}

QVariant LogFilterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return orientation == Qt::Horizontal ? m_source.headerData(section, orientation, role) : QVariant();
}

QModelIndex LogFilterModel::mapToSource(const QModelIndex& proxyIndex) const {
    if (!proxyIndex.isValid() || proxyIndex.row() >= m_rows.size())
        return {};
    return m_source.index(m_rows.at(proxyIndex.row()), proxyIndex.column());
}

QModelIndex LogFilterModel::mapFromSource(const QModelIndex& sourceIndex) const {
    if (!sourceIndex.isValid())
        return {};
    const int row = lowerBound(sourceIndex.row());
    if (row >= m_rows.size() || m_rows.at(row) != sourceIndex.row())
        return {};
    return createIndex(row, sourceIndex.column());
}

int LogFilterModel::lowerBound(int sourceRow) const {
    return int(std::lower_bound(m_rows.cbegin(), m_rows.cend(), sourceRow) - m_rows.cbegin());
}

void LogFilterModel::sourceRowsInserted(int first, int last) {
    const int count = last - first + 1;
    const int position = lowerBound(first);
    QList<int> added;
    for (int row = first; row <= last; ++row) {
        if (accepts(row))
            added.append(row);
    }
    if (!added.isEmpty())
        beginInsertRows(QModelIndex(), position, position + int(added.size()) - 1);
    for (qsizetype shown = position; shown < m_rows.size(); ++shown)
        m_rows[shown] += count;
    m_rows.insert(position, added.size(), 0);
    std::copy(added.cbegin(), added.cend(), m_rows.begin() + position);
    if (!added.isEmpty())
        endInsertRows();
}

void LogFilterModel::sourceRowsAboutToBeRemoved(int first, int last) {
    const int begin = lowerBound(first);
    const int end = lowerBound(last + 1);
    if (begin < end)
        beginRemoveRows(QModelIndex(), begin, end - 1);
}

void LogFilterModel::sourceRowsRemoved(int first, int last) {
    const int count = last - first + 1;
    const int begin = lowerBound(first);
    const int end = lowerBound(last + 1);
    m_rows.remove(begin, end - begin);
    for (qsizetype shown = begin; shown < m_rows.size(); ++shown)
        m_rows[shown] -= count;
    if (begin < end)
        endRemoveRows();
}
