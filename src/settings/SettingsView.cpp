#include "SettingsView.h"

#include "GeneralSettingsView.h"
#include "SettingsModel.h"
#include "UpdatesSettingsView.h"
#include "widgets/SymbolIcons.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A pane in a page of its own. Only the shown pane takes part in the layout, so the tabs' height
// is that pane's rather than the taller one's.
QWidget* page(QWidget* pane) {
    auto* container = new QWidget;
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(pane);
    layout->addStretch(1);
    return container;
}

} // namespace

SettingsView::SettingsView(SettingsModel& model, AppPreferences& preferences, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_model(model) {
    setObjectName(QStringLiteral("settingsWindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("settingsTabs"));
    m_tabs->tabBar()->setObjectName(QStringLiteral("settingsTabBar"));
    m_tabs->tabBar()->setAccessibleName(qtTrId("preferences.title"));
    m_tabs->setFixedWidth(tabWidth);
    m_tabs->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_general = new GeneralSettingsView(preferences);
    m_updates = new UpdatesSettingsView(preferences);
    const QColor symbolColor = palette().color(QPalette::WindowText);
    m_tabs->addTab(
        page(m_general),
        SymbolIcons::themed(QStringLiteral("preferences-system"), QStringLiteral("gear"), symbolColor),
        tabLabel(SettingsTab::general));
    m_tabs->addTab(page(m_updates),
                   SymbolIcons::themed(QStringLiteral("system-software-update"),
                                       QStringLiteral("arrow-down-circle"), symbolColor),
                   tabLabel(SettingsTab::updates));
    layout->addWidget(m_tabs);

    connect(m_tabs, &QTabWidget::currentChanged, this,
            [this](int index) { m_model.setSelectedTab(static_cast<SettingsTab>(index)); });
    connect(&m_model, &SettingsModel::selectedTabChanged, this, &SettingsView::showSelectedTab);
    showSelectedTab();
}

QString SettingsView::tabLabel(SettingsTab tab) {
    return tab == SettingsTab::updates ? qtTrId("preferences.tab.updates")
                                       : qtTrId("preferences.tab.general");
}

void SettingsView::showSelectedTab() {
    const SettingsTab tab = m_model.selectedTab();
    m_general->setVisible(tab == SettingsTab::general);
    m_updates->setVisible(tab == SettingsTab::updates);
    {
        const QSignalBlocker quiet(m_tabs);
        m_tabs->setCurrentIndex(static_cast<int>(tab));
    }
    setWindowTitle(tabLabel(tab));
    if (isVisible())
        scheduleFit();
}

void SettingsView::showEvent(QShowEvent* event) {
    // Only a real show, not one of the window system's after un-minimising.
    if (!event->spontaneous()) {
        if (!m_placed) {
            // The first time in the middle of the screen; later where the user left it.
            m_placed = true;
            adjustSize();
            if (const QScreen* target = screen()) {
                QRect frame = geometry();
                frame.moveCenter(target->availableGeometry().center());
                move(frame.topLeft());
            }
        }
        m_model.restoreSelection();
        showSelectedTab();
        scheduleFit();
    }
    QWidget::showEvent(event);
}

bool SettingsView::event(QEvent* event) {
    // A pane that grows or shrinks while shown (a status line appearing) refits the window too.
    if (event->type() == QEvent::LayoutRequest && isVisible())
        scheduleFit();
    return QWidget::event(event);
}

void SettingsView::scheduleFit() {
    if (m_fitScheduled)
        return;
    m_fitScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_fitScheduled = false;
        fitSettingsWindow();
    });
}

void fitSettingsWindow() {
    const QStringList titles{SettingsView::tabLabel(SettingsTab::general),
                             SettingsView::tabLabel(SettingsTab::updates), qtTrId("preferences.title")};
    QWidget* window = nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets()) {
        if (qobject_cast<SettingsView*>(candidate) && titles.contains(candidate->windowTitle())) {
            window = candidate;
            break;
        }
    }
    if (!window || !window->layout())
        return;
    window->layout()->activate();
    const int width = window->width();
    const int height = window->layout()->hasHeightForWidth() ? window->layout()->totalHeightForWidth(width)
                                                             : window->layout()->totalSizeHint().height();
    if (height <= 1)
        return;
    window->setMinimumSize(width, SettingsView::minimumContentHeight);
    // The client area's top stays where it is, and with it the title bar.
    if (qAbs(height - window->height()) > 1) {
        QRect frame = window->geometry();
        frame.setSize(QSize(width, height));
        window->setGeometry(frame);
    }
}
