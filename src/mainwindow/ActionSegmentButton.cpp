#include "ActionSegmentButton.h"

#include "widgets/Appearance.h"
#include "widgets/SymbolIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QString symbolName(ArchiveAction action) {
    switch (action) {
    case ArchiveAction::compress:
        return QStringLiteral("compress");
    case ArchiveAction::email:
        return QStringLiteral("envelope");
    case ArchiveAction::archive:
        return QStringLiteral("archivebox");
    }
    return {};
}

QString titleText(ArchiveAction action) {
    switch (action) {
    case ArchiveAction::compress:
        return qtTrId("action.compress");
    case ArchiveAction::email:
        return qtTrId("action.email");
    case ArchiveAction::archive:
        return qtTrId("action.archive");
    }
    return {};
}

constexpr int symbolSpacing = 8;
constexpr qreal titleSize = 16;
constexpr qreal smallestTitleScale = 0.8;

} // namespace

ActionSegmentButton::ActionSegmentButton(ArchiveAction action, QWidget* parent)
    : QAbstractButton(parent)
    , m_action(action)
    , m_symbol(symbolName(action)) {
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::TabFocus);
    setText(titleText(action));
    setFont(Appearance::font(font(), titleSize, QFont::Medium));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

QSize ActionSegmentButton::sizeHint() const {
    const int width = symbolSize + symbolSpacing + fontMetrics().horizontalAdvance(text()) + 24;
    return {width, segmentHeight};
}

QSize ActionSegmentButton::minimumSizeHint() const {
    return {symbolSize + 16, segmentHeight};
}

bool ActionSegmentButton::hitButton(const QPoint& position) const {
    return rect().contains(position);
}

void ActionSegmentButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.55);
    const QPalette colors = palette();
    const QColor symbolColor = isChecked() ? colors.color(QPalette::Active, QPalette::HighlightedText)
                                           : Appearance::secondaryText(colors);
    const QColor titleColor = isChecked() ? colors.color(QPalette::Active, QPalette::HighlightedText)
                                          : colors.color(QPalette::Active, QPalette::WindowText);

    // The title shrinks a little before it is shortened.
    const int available = width() - 16 - symbolSize - symbolSpacing;
    QFont titleFont = font();
    int titleWidth = QFontMetrics(titleFont).horizontalAdvance(text());
    if (titleWidth > available && titleWidth > 0) {
        const qreal scale = qMax(smallestTitleScale, qreal(available) / titleWidth);
        titleFont.setPointSizeF(font().pointSizeF() * scale);
        titleWidth = QFontMetrics(titleFont).horizontalAdvance(text());
    }
    const QFontMetrics titleMetrics(titleFont);
    const QString shownTitle = titleMetrics.elidedText(text(), Qt::ElideRight, qMax(0, available));
    titleWidth = titleMetrics.horizontalAdvance(shownTitle);

    const int contentWidth = symbolSize + symbolSpacing + titleWidth;
    const int left = (width() - contentWidth) / 2;
    const int symbolTop = (height() - symbolSize) / 2;
    painter.drawPixmap(left, symbolTop,
                       SymbolIcons::tinted(m_symbol, symbolColor, symbolSize, devicePixelRatioF()));
    painter.setFont(titleFont);
    painter.setPen(titleColor);
    painter.drawText(QRect(left + symbolSize + symbolSpacing, 0, titleWidth + 1, height()),
                     Qt::AlignLeft | Qt::AlignVCenter, shownTitle);

    // Like the style's own controls: the ring marks keyboard focus, not a click.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QPen ring(colors.color(QPalette::Active, QPalette::Highlight), 2);
        if (isChecked())
            ring.setColor(colors.color(QPalette::Active, QPalette::HighlightedText));
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        const QRectF ringRect = QRectF(rect()).adjusted(2, 2, -2, -2);
        painter.drawRoundedRect(ringRect, ringRect.height() / 2, ringRect.height() / 2);
    }
}
