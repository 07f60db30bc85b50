#pragma once

#include <QAbstractProxyModel>
#include <QList>
#include <QString>

class LogTableModel;

// The log rows whose file name, path or format name contains the query, in log order. Rows are
// matched against texts folded once per entry, so a keystroke costs one search per row.
class LogFilterModel final : public QAbstractProxyModel {
    Q_OBJECT

public:
    explicit LogFilterModel(LogTableModel& source, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(LogFilterModel)

    // Trimmed, then matched case-insensitively under the source's locale; empty shows every row.
    void setQuery(const QString& query);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // The source's titles, also while no row matches (the base class finds them through a row).
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;

private:
    bool accepts(int sourceRow) const;
    // The first shown row whose source row is at or after sourceRow.
    int lowerBound(int sourceRow) const;
    void sourceRowsInserted(int first, int last);
    void sourceRowsAboutToBeRemoved(int first, int last);
    void sourceRowsRemoved(int first, int last);

    LogTableModel& m_source;
    QString m_needle;
    QList<int> m_rows; // source rows shown, ascending
};
