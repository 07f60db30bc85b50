#pragma once

#include "engine/ArchiveAction.h"

#include <QAbstractButton>

// One segment of the action chooser: a symbol and a title; the chooser paints the selection
// capsule behind it.
class ActionSegmentButton final : public QAbstractButton {
    Q_OBJECT

public:
    ActionSegmentButton(ArchiveAction action, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(ActionSegmentButton)

    ArchiveAction action() const { return m_action; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static constexpr int segmentHeight = 40;
    static constexpr int symbolSize = 18;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;

private:
    ArchiveAction m_action;
    QString m_symbol;
};
