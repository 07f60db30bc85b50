#include "BusyIndicator.h"

#include <QPainter>

BusyIndicator::BusyIndicator(QWidget* parent)
    : QWidget(parent) {
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setInterval(60);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + 30) % 360;
        update();
    });
}

void BusyIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(2, 2, -2, -2);
    QColor faint = palette().color(QPalette::WindowText);
    faint.setAlphaF(0.2);
    painter.setPen(QPen(faint, 2));
    painter.drawEllipse(track);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(track, -m_angle * 16, 100 * 16);
}

void BusyIndicator::showEvent(QShowEvent* event) {
    m_timer.start();
    QWidget::showEvent(event);
}

void BusyIndicator::hideEvent(QHideEvent* event) {
    m_timer.stop();
    QWidget::hideEvent(event);
}
