#include "OptionSwitch.h"

#include "Appearance.h"

#include <QPainter>

OptionSwitch::OptionSwitch(const QString& text, QWidget* parent)
    : QAbstractButton(parent) {
    setCheckable(true);
    setText(text);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
}

QSize OptionSwitch::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    return {trackWidth + textSpacing + metrics.horizontalAdvance(text()) + 4,
            qMax(trackHeight + 4, metrics.height() + 4)};
}

void OptionSwitch::nextCheckState() {
    emit turnRequested(!isChecked());
}

bool OptionSwitch::hitButton(const QPoint& position) const {
    return rect().contains(position);
}

void OptionSwitch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.55);
    const QPalette colors = palette();
    const QRectF track(1, (height() - trackHeight) / 2.0, trackWidth, trackHeight);
    const qreal radius = trackHeight / 2.0;

    if (isChecked()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colors.color(QPalette::Active, QPalette::Highlight));
    } else {
        QColor fill = Appearance::separator(colors);
        painter.setPen(QPen(Appearance::separator(colors), 1));
        painter.setBrush(fill);
    }
    painter.drawRoundedRect(track, radius, radius);

    const qreal knobDiameter = trackHeight - 4;
    const qreal knobLeft = isChecked() ? track.right() - 2 - knobDiameter : track.left() + 2;
    const QRectF knob(knobLeft, track.top() + 2, knobDiameter, knobDiameter);
    painter.setPen(QPen(QColor(0, 0, 0, 40), 0.5));
    painter.setBrush(QColor(Qt::white));
    painter.drawEllipse(knob);

    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(colors.color(QPalette::Active, QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(track.adjusted(-1.5, -1.5, 1.5, 1.5), radius + 1.5, radius + 1.5);
    }

    painter.setPen(colors.color(QPalette::Active, QPalette::WindowText));
    painter.setFont(font());
    const QRect textRect(trackWidth + textSpacing + 1, 0, width() - trackWidth - textSpacing - 1, height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width()));
}
