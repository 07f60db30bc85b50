#include "DropSymbol.h"

#include "widgets/Appearance.h"
#include "widgets/SymbolIcons.h"

#include <QPainter>

namespace {
constexpr qreal strokeWidth = 3;
constexpr qreal cornerRadius = 16;
constexpr int arrowSize = 36;
} // namespace

DropSymbol::DropSymbol(QWidget* parent)
    : QWidget(parent) {
    setFixedSize(side, side);
}

void DropSymbol::setTargeted(bool targeted) {
    if (targeted == m_targeted)
        return;
    m_targeted = targeted;
    update();
}

QColor DropSymbol::outlineColor() const {
    if (m_targeted)
        return palette().color(QPalette::Active, QPalette::Highlight);
    QColor color = Appearance::secondaryText(palette());
    color.setAlphaF(color.alphaF() * 0.55);
    return color;
}

void DropSymbol::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Dash lengths of a QPen count in stroke widths.
    QPen pen(outlineColor(), strokeWidth);
    pen.setDashPattern({8 / strokeWidth, 6 / strokeWidth});
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // Inset by half the stroke so that the whole stroke lies inside the square.
    const qreal inset = strokeWidth / 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), cornerRadius - inset,
                            cornerRadius - inset);

    const QPixmap arrow = SymbolIcons::tinted(
        QStringLiteral("arrow-down"), Appearance::secondaryText(palette()), arrowSize, devicePixelRatioF());
    painter.drawPixmap((width() - arrowSize) / 2, (height() - arrowSize) / 2, arrow);
}
