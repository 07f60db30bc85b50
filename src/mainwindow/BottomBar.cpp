#include "BottomBar.h"

#include "RecentsMenu.h"
#include "RecentsMenuActions.h"
#include "widgets/Appearance.h"
#include "widgets/SymbolIcons.h"
#include "workflow/MainModel.h"

#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
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
    m_addButton = makeButton(QStringLiteral("main.add"), qtTrId("main.add"));
    layout->addWidget(m_addButton);
    m_settingsButton = makeButton(QStringLiteral("preferences.title"), qtTrId("preferences.title"));
    layout->addWidget(m_settingsButton);
    layout->addStretch(1);
    m_recentsButton = makeButton(QStringLiteral("menu.recents"), qtTrId("menu.recents"));
    layout->addWidget(m_recentsButton);
    refreshIcons();

    connect(m_addButton, &QToolButton::clicked, this, [this] { m_model.addItems(); });
    connect(m_settingsButton, &QToolButton::clicked, this, &BottomBar::settingsRequested);
    connect(m_recentsButton, &QToolButton::clicked, this, &BottomBar::showRecents);
    connect(&m_model, &MainModel::isBusyChanged, this,
            [this] { m_addButton->setEnabled(!m_model.isBusy()); });
    m_addButton->setEnabled(!m_model.isBusy());
}

QToolButton* BottomBar::makeButton(const QString& name, const QString& toolTip) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
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
    RecentsMenu::popUp(*m_recentsActions, this, QCursor::pos());
}
