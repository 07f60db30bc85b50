#include "Appearance.h"

#include <QPalette>
#include <QWidget>

namespace Appearance {

QFont font(const QFont& base, qreal size, QFont::Weight weight) {
    QFont result = base;
    if (base.pointSizeF() > 0)
        result.setPointSizeF(base.pointSizeF() * size / bodySize);
    else
        result.setPixelSize(qRound(base.pixelSize() * size / bodySize));
    result.setWeight(weight);
    return result;
}

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

static QColor textWithAlpha(const QPalette& palette, qreal alpha) {
    QColor color = palette.color(QPalette::WindowText);
    color.setAlphaF(alpha);
    return color;
}

QColor secondaryText(const QPalette& palette) {
    return textWithAlpha(palette, 0.55);
}

QColor separator(const QPalette& palette) {
    return textWithAlpha(palette, isDark(palette) ? 0.22 : 0.16);
}

QColor quietFill(const QPalette& palette) {
    return textWithAlpha(palette, isDark(palette) ? 0.10 : 0.06);
}

void useSecondaryText(QWidget* label) {
    const QPalette source = label->parentWidget() ? label->parentWidget()->palette() : label->palette();
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText, secondaryText(source));
    label->setPalette(colors);
}

QColor errorText(const QPalette& palette) {
    return isDark(palette) ? QColor(0xff, 0x6b, 0x61) : QColor(0xd0, 0x21, 0x1c);
}

} // namespace Appearance
