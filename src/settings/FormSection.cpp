#include "FormSection.h"

#include "widgets/Appearance.h"
#include "widgets/OptionSwitch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int rowHorizontalMargin = 12;
constexpr int rowVerticalMargin = 8;
constexpr qreal cornerRadius = 8;

// The rounded box behind the rows, in the colour of input fields, outlined like a separator.
class RowBox final : public QWidget {
public:
    explicit RowBox(QWidget* parent)
        : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Appearance::separator(palette()), 1));
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
    }
};

// A one-pixel line between two rows, inset from the box's edges.
class RowDivider final : public QWidget {
public:
    explicit RowDivider(QWidget* parent)
        : QWidget(parent) {
        setFixedHeight(1);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect().adjusted(rowHorizontalMargin, 0, 0, 0), Appearance::separator(palette()));
    }
};

} // namespace

FormSection::FormSection(const QString& heading, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    if (!heading.isEmpty()) {
        auto* title = new QLabel(heading, this);
        title->setFont(Appearance::font(font(), Appearance::bodySize, QFont::Bold));
        title->setContentsMargins(2, 0, 0, 0);
        layout->addWidget(title);
    }
    auto* box = new RowBox(this);
    m_rows = new QVBoxLayout(box);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(0);
    layout->addWidget(box);
}

void FormSection::addRow(QWidget* row, int padding) {
    if (m_rows->count() > 0)
        m_rows->addWidget(new RowDivider(m_rows->parentWidget()));
    row->setParent(m_rows->parentWidget());
    if (row->layout())
        row->layout()->setContentsMargins(rowHorizontalMargin, rowVerticalMargin + padding,
                                          rowHorizontalMargin, rowVerticalMargin + padding);
    m_rows->addWidget(row);
}

OptionSwitch* FormSection::addOptionRow(const QString& name, const QString& title, const QString& subtitle,
                                        OptionRowSpacing spacing) {
    auto* row = new QWidget(this);
    row->setObjectName(name + QStringLiteral(".row"));
    auto* layout = new QHBoxLayout(row);
    layout->setSpacing(16);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(spacing.betweenTexts);
    auto* titleLabel = new QLabel(title, row);
    titleLabel->setWordWrap(true);
    texts->addWidget(titleLabel);
    texts->addWidget(makeCaption(subtitle, row));
    layout->addLayout(texts, 1);
    auto* toggle = new OptionSwitch(QString(), row);
    toggle->setObjectName(name);
    toggle->setAccessibleName(title);
    toggle->setAccessibleDescription(subtitle);
    layout->addWidget(toggle, 0, Qt::AlignVCenter);
    addRow(row, spacing.padding);
    return toggle;
}

QLabel* FormSection::makeCaption(const QString& text, QWidget* parent) {
    auto* caption = new QLabel(text, parent);
    caption->setFont(Appearance::font(caption->font(), Appearance::captionSize + 1));
    caption->setWordWrap(true);
    Appearance::useSecondaryText(caption);
    return caption;
}
