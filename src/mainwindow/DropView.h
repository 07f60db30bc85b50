#pragma once

#include <QList>
#include <QUrl>
#include <QWidget>

#include <functional>

class QMimeData;

// A container that takes drags of local files. Its children stay clickable because only drag
// events are handled here; children that don't accept drops pass them up to this view.
class DropView final : public QWidget {
    Q_OBJECT

public:
    explicit DropView(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(DropView)

    // Drops are accepted only while enabled; independent of QWidget's enabled state, so the
    // children stay usable while drops are refused.
    bool isDropEnabled() const { return m_dropEnabled; }
    void setDropEnabled(bool enabled) { m_dropEnabled = enabled; }
    // Told true when an acceptable drag enters, false when it leaves or is dropped.
    void setOnTarget(std::function<void(bool)> onTarget) { m_onTarget = std::move(onTarget); }
    // Told the dropped file URLs, in the order the drag carries them.
    void setOnDrop(std::function<void(const QList<QUrl>&)> onDrop) { m_onDrop = std::move(onDrop); }
    // Told when Space or Return is pressed on the focused view while drops are enabled: the
    // keyboard's way to hand over files.
    void setOnActivate(std::function<void()> onActivate) { m_onActivate = std::move(onActivate); }

    // The three steps of a drag over this view; views laid over it call them to hand drags on.
    // True when the drag is accepted.
    bool enterDrag(const QMimeData* mimeData);
    void exitDrag();
    bool performDrop(const QMimeData* mimeData);
    // What Space or Return does on the focused view, and a screen reader's press.
    void activate();

    // The local file URLs a drag carries, in order; web addresses and other content are left out.
    static QList<QUrl> fileUrls(const QMimeData* mimeData);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void tellTarget(bool targeted) const;

    bool m_dropEnabled = true;
    std::function<void(bool)> m_onTarget;
    std::function<void(const QList<QUrl>&)> m_onDrop;
    std::function<void()> m_onActivate;
};
