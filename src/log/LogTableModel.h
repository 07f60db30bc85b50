#pragma once

#include "persistence/ArchiveLogEntry.h"

#include <QAbstractTableModel>
#include <QList>
#include <QLocale>
#include <QString>

#include <array>

class ArchiveLogStore;

// The archive log as table rows, newest first, following the store as entries arrive.
class LogTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { fileColumn, formatColumn, dateColumn, pathColumn, revealColumn, columnTotal };

    explicit LogTableModel(ArchiveLogStore& store, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(LogTableModel)

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const ArchiveLogEntry& entry(int row) const { return m_entries.at(row); }
    // What a search looks in (path, which holds the file name, and format name), folded under
    // the model's locale.
    const QString& searchText(int row) const { return m_searchTexts.at(row); }
    const QLocale& locale() const { return m_locale; }

    // The last component of the path, ignoring trailing slashes.
    static QString fileName(const QString& path);

private:
    void followStore();
    QString searchTextOf(const ArchiveLogEntry& entry) const;
    const QString& formatName(const ArchiveLogEntry& entry) const;

    ArchiveLogStore& m_store;
    QLocale m_locale;
    QString m_dateFormat;
    std::array<QString, 9> m_formatNames;
    QList<ArchiveLogEntry> m_entries;
    QList<QString> m_searchTexts;
};
