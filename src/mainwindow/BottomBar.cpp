#include "BottomBar.h"

#include "RecentsMenu.h"
#include "RecentsMenuActions.h"
#include "widgets/Appearance.h"
#include "widgets/ReturnActivation.h"
#include "widgets/SymbolIcons.h"
#include "workflow/MainModel.h"

#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

namespace {
constexpr int buttonSize = 36;
constexpr int symbolSize = 18;
} // namespace

BottomBar::BottomBar(MainModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model) {
    setObjectName(QStringLiteral("bottomBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    m_addButton = makeButton(QStringLiteral("main.add"), qtTrId("main.add"), qtTrId("a11y.main.add"));
    m_addButton->setAccessibleDescription(qtTrId("a11y.main.add.description"));
    layout->addWidget(m_addButton);
    m_settingsButton = makeButton(QStringLiteral("preferences.title"), qtTrId("preferences.title"),
                                  qtTrId("a11y.preferences.title"));
    layout->addWidget(m_settingsButton);
    layout->addStretch(1);
    m_recentsButton =
        makeButton(QStringLiteral("menu.recents"), qtTrId("menu.recents"), qtTrId("a11y.menu.recents"));
    m_recentsButton->setAccessibleDescription(qtTrId("a11y.menu.recents.description"));
    layout->addWidget(m_recentsButton);
    refreshIcons();

    connect(m_addButton, &QToolButton::clicked, this, [this] { m_model.addItems(); });
    connect(m_settingsButton, &QToolButton::clicked, this, &BottomBar::settingsRequested);
    connect(m_recentsButton, &QToolButton::clicked, this, &BottomBar::showRecents);
    connect(&m_model, &MainModel::isBusyChanged, this,
            [this] { m_addButton->setEnabled(!m_model.isBusy()); });
    m_addButton->setEnabled(!m_model.isBusy());
}

QToolButton* BottomBar::makeButton(const QString& name, const QString& toolTip,
                                   const QString& accessibleName) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setAccessibleName(accessibleName);
    ReturnActivation::install(button);
    button->setAutoRaise(false);
    button->setFixedSize(buttonSize + 8, buttonSize);
    button->setIconSize(QSize(symbolSize, symbolSize));
    return button;
}

void BottomBar::refreshIcons() {
    const QColor color = palette().color(QPalette::Active, QPalette::ButtonText);
    m_addButton->setIcon(SymbolIcons::themed(QStringLiteral("list-add"), QStringLiteral("plus"), color));
    m_settingsButton->setIcon(
        SymbolIcons::themed(QStringLiteral("preferences-system"), QStringLiteral("gear"), color));
    m_recentsButton->setIcon(
        SymbolIcons::themed(QStringLiteral("document-open-recent"), QStringLiteral("clock"), color));
}

void BottomBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        refreshIcons();
    QWidget::changeEvent(event);
}

void BottomBar::showRecents() {
    if (!m_recentsActions) {
        m_recentsActions = new RecentsMenuActions(m_model, this);
        connect(m_recentsActions, &RecentsMenuActions::logRequested, this, &BottomBar::logRequested);
    }
    // Opened from the keyboard, the menu belongs under the button, not wherever the pointer rests,
    // and its first item is ready for the arrow keys.
    const bool fromKeyboard = m_recentsButton->hasFocus();
    const QPoint position =
        fromKeyboard ? m_recentsButton->mapToGlobal(QPoint(0, m_recentsButton->height())) : QCursor::pos();
    QMenu* menu = RecentsMenu::popUp(*m_recentsActions, this, position);
    if (fromKeyboard && !menu->actions().isEmpty())
        menu->setActiveAction(menu->actions().constFirst());
}
