#pragma once

#include <QWidget>

class ArchiveLogStore;
class DesktopServices;
class LogFilterModel;
class LogTableModel;
class QLineEdit;
class QModelIndex;
class QTableView;
class RevealButtonDelegate;

// The log window's content: a search bar over the table of archives made, newest first.
class LogView final : public QWidget {
    Q_OBJECT

public:
    // The store and the desktop are not owned; they must outlive the view.
    LogView(ArchiveLogStore& store, DesktopServices& desktop, QWidget* parent = nullptr);
    ~LogView() override;
    Q_DISABLE_COPY_MOVE(LogView)

    QString query() const;
    void setQuery(const QString& query);

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* makeSearchBar();
    void makeTable();
    void keepColumnMinimum(int column, int oldSize, int newSize);
    void reveal(const QModelIndex& index);
    void refreshIcon();

    DesktopServices& m_desktop;
    LogTableModel* m_model;
    LogFilterModel* m_rows;
    QLineEdit* m_searchField = nullptr;
    QTableView* m_table = nullptr;
    RevealButtonDelegate* m_revealDelegate = nullptr;
};
