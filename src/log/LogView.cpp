#include "LogView.h"

#include "LogFilterModel.h"
#include "LogTableModel.h"
#include "RevealButtonDelegate.h"
#include "widgets/SymbolIcons.h"
#include "workflow/DesktopServices.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int searchFieldWidth = 200;
constexpr int revealWidth = 32;

struct ColumnWidth {
    int minimum;
    int ideal;
};
// The path column takes whatever room is left.
constexpr std::array<ColumnWidth, 3> columnWidths{{{80, 140}, {140, 220}, {70, 90}}};

} // namespace

LogView::LogView(ArchiveLogStore& store, DesktopServices& desktop, QWidget* parent)
    : QWidget(parent)
    , m_desktop(desktop)
    , m_model(new LogTableModel(store, this))
    , m_rows(new LogFilterModel(*m_model, this)) {
    setObjectName(QStringLiteral("logView"));
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeSearchBar());
    makeTable();
    layout->addWidget(m_table, 1);
}

LogView::~LogView() = default;

QWidget* LogView::makeSearchBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("log.searchBar"));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(8);
    layout->addStretch(1);

    auto* label = new QLabel(qtTrId("log.search"), bar);
    label->setObjectName(QStringLiteral("log.search"));
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);

    m_searchField = new QLineEdit(bar);
    m_searchField->setObjectName(QStringLiteral("log.searchField"));
    m_searchField->setFixedWidth(searchFieldWidth);
    label->setBuddy(m_searchField);
    layout->addWidget(m_searchField);
    connect(m_searchField, &QLineEdit::textChanged, m_rows, &LogFilterModel::setQuery);

    auto* clear = new QPushButton(qtTrId("log.clear"), bar);
    clear->setObjectName(QStringLiteral("log.clear"));
    clear->setAutoDefault(false);
    connect(clear, &QPushButton::clicked, m_searchField, &QLineEdit::clear);
    layout->addWidget(clear);
    return bar;
}

void LogView::makeTable() {
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("log.table"));
    m_table->setAccessibleName(qtTrId("log.title"));
    m_table->setAccessibleDescription(qtTrId("a11y.log.table.description"));
    m_table->setModel(m_rows);
    // Tab leaves the table; the arrow keys move between its cells.
    m_table->setTabKeyNavigation(false);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSortingEnabled(false);
    m_table->setShowGrid(false);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->setTextElideMode(Qt::ElideRight);
    m_table->setMouseTracking(true);
    m_table->viewport()->setAttribute(Qt::WA_Hover);
    m_table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    // Fixed row heights let the view lay out thousands of rows without measuring any.
    QHeaderView* rowHeader = m_table->verticalHeader();
    rowHeader->hide();
    rowHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowHeader->setDefaultSectionSize(qMax(fontMetrics().height() + 10, 24));

    QHeaderView* header = m_table->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setMinimumSectionSize(revealWidth);
    for (int column = 0; column < int(columnWidths.size()); ++column) {
        header->setSectionResizeMode(column, QHeaderView::Interactive);
        header->resizeSection(column, columnWidths.at(column).ideal);
    }
    header->setSectionResizeMode(LogTableModel::pathColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(LogTableModel::revealColumn, QHeaderView::Fixed);
    header->resizeSection(LogTableModel::revealColumn, revealWidth);
    connect(header, &QHeaderView::sectionResized, this, &LogView::keepColumnMinimum);

    m_revealDelegate = new RevealButtonDelegate(m_table);
    m_table->setItemDelegateForColumn(LogTableModel::revealColumn, m_revealDelegate);
    refreshIcon();
    connect(m_revealDelegate, &RevealButtonDelegate::clicked, this, &LogView::reveal);
    // Return on the focused button cell reveals too; the mouse never activates it, the
    // delegate takes its clicks.
    connect(m_table, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (index.column() == LogTableModel::revealColumn)
            reveal(index);
    });
}

void LogView::keepColumnMinimum(int column, int, int newSize) {
    if (column >= 0 && column < int(columnWidths.size()) && newSize < columnWidths.at(column).minimum)
        m_table->horizontalHeader()->resizeSection(column, columnWidths.at(column).minimum);
}

QString LogView::query() const {
    return m_searchField->text();
}

void LogView::setQuery(const QString& query) {
    m_searchField->setText(query);
}

void LogView::reveal(const QModelIndex& index) {
    const QModelIndex source = m_rows->mapToSource(index);
    if (!source.isValid())
        return;
    // Whether the archive is still there is the file manager's business.
    m_desktop.revealInFileManager({QUrl::fromLocalFile(m_model->entry(source.row()).path)});
}

void LogView::refreshIcon() {
    const QColor color = palette().color(QPalette::Active, QPalette::ButtonText);
    m_revealDelegate->setIcon(
        SymbolIcons::themed(QStringLiteral("edit-find"), QStringLiteral("magnifyingglass"), color));
    m_table->viewport()->update();
}

void LogView::changeEvent(QEvent* event) {
    if (m_revealDelegate && (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange))
        refreshIcon();
    QWidget::changeEvent(event);
}
