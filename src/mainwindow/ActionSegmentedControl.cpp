#include "ActionSegmentedControl.h"

#include "ActionSegmentButton.h"
#include "widgets/Appearance.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QVariantAnimation>

namespace {
constexpr int trackPadding = 4;
constexpr int selectionMilliseconds = 160;
} // namespace

ActionSegmentedControl::ActionSegmentedControl(QWidget* parent)
    : QWidget(parent)
    , m_group(new QButtonGroup(this))
    , m_animation(new QVariantAnimation(this)) {
    setObjectName(QStringLiteral("actionChooser"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(trackPadding, trackPadding, trackPadding, trackPadding);
    layout->setSpacing(0);
    for (const ArchiveAction action : allArchiveActions()) {
        auto* button = new ActionSegmentButton(action, this);
        button->setObjectName(QStringLiteral("action.") + actionWord(action));
        m_group->addButton(button);
        layout->addWidget(button, 1);
        m_segments.append(button);
        connect(button, &QAbstractButton::clicked, this, [this, button] { segmentClicked(button); });
    }
    m_segments.first()->setChecked(true);

    m_animation->setDuration(selectionMilliseconds);
    m_animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_capsulePosition = value.toReal();
        update();
    });
}

ActionSegmentButton* ActionSegmentedControl::segment(ArchiveAction action) const {
    const int index = int(allArchiveActions().indexOf(action));
    return index >= 0 ? m_segments.at(index) : nullptr;
}

void ActionSegmentedControl::setSelection(ArchiveAction action) {
    const int index = int(allArchiveActions().indexOf(action));
    if (index < 0)
        return;
    m_selection = action;
    m_segments.at(index)->setChecked(true);
    // One stop for Tab, like a group of radio buttons; the arrow keys move between the segments.
    for (ActionSegmentButton* segment : std::as_const(m_segments))
        segment->setFocusPolicy(segment->isChecked() ? Qt::TabFocus : Qt::NoFocus);
    m_animation->stop();
    if (isVisible() && !qFuzzyCompare(m_capsulePosition + 1, qreal(index) + 1)) {
        m_animation->setStartValue(m_capsulePosition);
        m_animation->setEndValue(qreal(index));
        m_animation->start();
    } else {
        m_capsulePosition = index;
        update();
    }
}

void ActionSegmentedControl::segmentClicked(ActionSegmentButton* button) {
    emit selectionRequested(button->action());
    // Whoever owns the choice may have refused it; show what is really selected.
    if (m_selection != button->action())
        setSelection(m_selection);
}

QSize ActionSegmentedControl::sizeHint() const {
    int width = 0;
    for (const ActionSegmentButton* button : m_segments)
        width = qMax(width, button->sizeHint().width());
    return {width * int(m_segments.size()) + 2 * trackPadding,
            ActionSegmentButton::segmentHeight + 2 * trackPadding};
}

QRectF ActionSegmentedControl::capsuleRect() const {
    const QRect first = m_segments.first()->geometry();
    const qreal step = m_segments.size() > 1 ? m_segments.at(1)->geometry().x() - first.x() : 0;
    return QRectF(first.x() + step * m_capsulePosition, first.y(), first.width(), first.height());
}

void ActionSegmentedControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.55);
    const QPalette colors = palette();
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(Appearance::separator(colors), 1));
    painter.setBrush(Appearance::quietFill(colors));
    painter.drawRoundedRect(track, track.height() / 2, track.height() / 2);

    const QRectF capsule = capsuleRect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colors.color(QPalette::Active, QPalette::Highlight));
    painter.drawRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);
}

void ActionSegmentedControl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}
