#pragma once

#include "engine/ArchiveAction.h"

#include <QList>
#include <QWidget>

class ActionSegmentButton;
class QButtonGroup;
class QVariantAnimation;

// The capsule-shaped chooser of the three actions. It shows `selection` and reports clicks; the
// owner writes the choice to the preferences and feeds the stored value back.
class ActionSegmentedControl final : public QWidget {
    Q_OBJECT

public:
    explicit ActionSegmentedControl(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(ActionSegmentedControl)

    ArchiveAction selection() const { return m_selection; }
    void setSelection(ArchiveAction action);
    ActionSegmentButton* segment(ArchiveAction action) const;

    QSize sizeHint() const override;

signals:
    // The user picked an action.
    void selectionRequested(ArchiveAction action);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void segmentClicked(ActionSegmentButton* button);
    QRectF capsuleRect() const;

    QList<ActionSegmentButton*> m_segments;
    QButtonGroup* m_group;
    QVariantAnimation* m_animation;
    ArchiveAction m_selection = ArchiveAction::compress;
    qreal m_capsulePosition = 0;
};
