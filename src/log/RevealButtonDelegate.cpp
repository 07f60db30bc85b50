#include "RevealButtonDelegate.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionToolButton>

namespace {
constexpr int symbolSize = 16;
constexpr int panelMargin = 2;
} // namespace

RevealButtonDelegate::RevealButtonDelegate(QObject* parent)
    : QStyledItemDelegate(parent) {}

void RevealButtonDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // The row's own background (alternating colours) first, without any text.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    background.icon = QIcon();
    background.state &= ~QStyle::State_HasFocus;
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    QStyleOptionToolButton button;
    if (widget)
        button.initFrom(widget);
    button.rect = option.rect.adjusted(panelMargin, panelMargin, -panelMargin, -panelMargin);
    button.state = QStyle::State_Enabled | QStyle::State_AutoRaise;
    // Borderless until the pointer is over it, like a flat tool button.
    if (option.state & QStyle::State_MouseOver) {
        button.state |= QStyle::State_MouseOver | QStyle::State_Raised;
        style->drawPrimitive(QStyle::PE_PanelButtonTool, &button, painter, widget);
    }
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        if (widget)
            focus.initFrom(widget);
        focus.rect = button.rect;
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }

    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap symbol = m_icon.pixmap(QSize(symbolSize, symbolSize), ratio);
    QRect target(QPoint(), QSize(symbolSize, symbolSize));
    target.moveCenter(option.rect.center());
    painter->drawPixmap(target, symbol);
}

QSize RevealButtonDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {32, symbolSize + 2 * panelMargin + 4};
}

bool RevealButtonDelegate::editorEvent(QEvent* event, QAbstractItemModel*, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A double click is two presses of the button, not an activation of the row.
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        m_pressed = index;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const bool wasPressed = m_pressed.isValid() && m_pressed == index;
        m_pressed = QPersistentModelIndex();
        if (wasPressed && option.rect.contains(mouse->position().toPoint()))
            emit clicked(index);
        return true;
    }
    default:
        return false;
    }
}
