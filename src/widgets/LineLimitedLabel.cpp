#include "LineLimitedLabel.h"

#include "Appearance.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>

LineLimitedLabel::LineLimitedLabel(int maximumLines, QWidget* parent)
    : QWidget(parent)
    , m_maximumLines(qMax(1, maximumLines)) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void LineLimitedLabel::setText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void LineLimitedLabel::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void LineLimitedLabel::setSecondary(bool secondary) {
    m_secondary = secondary;
    update();
}

QStringList LineLimitedLabel::layoutLines(int width) const {
    QStringList lines;
    if (m_text.isEmpty() || width <= 0)
        return lines;
    const QFontMetrics metrics(font());
    QTextLayout layout(m_text, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        if (lines.size() == m_maximumLines - 1) {
            // The last allowed line takes the rest of the text, shortened to fit.
            const QString rest = m_text.mid(line.textStart()).simplified();
            lines.append(metrics.elidedText(rest, Qt::ElideRight, width));
            break;
        }
        lines.append(m_text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

int LineLimitedLabel::heightForWidth(int width) const {
    const int lineCount = qMax(1, int(layoutLines(width).size()));
    return lineCount * fontMetrics().lineSpacing();
}

QSize LineLimitedLabel::sizeHint() const {
    const int width = qMin(fontMetrics().horizontalAdvance(m_text) + 1, 480);
    return {width, heightForWidth(width)};
}

QSize LineLimitedLabel::minimumSizeHint() const {
    return {fontMetrics().averageCharWidth() * 4, fontMetrics().lineSpacing()};
}

void LineLimitedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(m_secondary ? Appearance::secondaryText(palette())
                               : palette().color(QPalette::WindowText));
    const QRect area = contentsRect();
    const int lineSpacing = fontMetrics().lineSpacing();
    int top = area.top();
    if (m_alignment & Qt::AlignVCenter) {
        const int used = int(layoutLines(area.width()).size()) * lineSpacing;
        top += qMax(0, (area.height() - used) / 2);
    }
    const Qt::Alignment horizontal = m_alignment & Qt::AlignHorizontal_Mask;
    for (const QString& line : layoutLines(area.width())) {
        painter.drawText(QRect(area.left(), top, area.width(), lineSpacing),
                         int(horizontal | Qt::AlignVCenter), line);
        top += lineSpacing;
    }
}

void LineLimitedLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        update();
    }
    QWidget::changeEvent(event);
}
