#pragma once

#include "workflow/ArchiveResult.h"

#include <QPointer>
#include <QWidget>

class DesktopServices;
class DropView;
class LineLimitedLabel;
class MainModel;
class QGraphicsOpacityEffect;
class QPropertyAnimation;
class QPushButton;

// Floats over the whole window while the last run's archives are on show: a panel near the bottom
// naming them, with a button that reveals them. A click anywhere else dismisses it.
class ResultBanner final : public QWidget {
    Q_OBJECT

public:
    ResultBanner(MainModel& model, DesktopServices& desktop, QWidget* parent);
    Q_DISABLE_COPY_MOVE(ResultBanner)

    // The banner's sentence for a run's archives.
    static QString message(const ArchiveResult& result);
    // The one line on the originals that stayed out of the Trash, and why; empty when none did.
    static QString keptLine(const ArchiveResult& result);

    // The drop target under the banner; drags over it are handed on, so files can still be
    // dropped while the banner shows.
    void setDropTarget(DropView* target);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void refresh();
    void fade(bool in);
    void reveal();
    void followDrag(QDragMoveEvent* event);
    void leaveDropTarget();
    bool isOverDropTarget(const QPointF& position) const;

    MainModel& m_model;
    DesktopServices& m_desktop;
    QWidget* m_panel;
    LineLimitedLabel* m_text;
    LineLimitedLabel* m_kept;
    QPushButton* m_revealButton;
    QGraphicsOpacityEffect* m_opacity;
    QPropertyAnimation* m_animation;
    QPointer<DropView> m_dropTarget;
    bool m_dragOnTarget = false;
    bool m_presented = false;
};
