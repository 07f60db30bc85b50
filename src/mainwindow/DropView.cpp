#include "DropView.h"

#include "DropViewAccessible.h"
#include "engine/LocalPath.h"

#include <QAccessible>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

DropView::DropView(QWidget* parent)
    : QWidget(parent) {
    setAcceptDrops(true);
    // Reached with Tab only: a click on the zone is not a wish to type into it.
    setFocusPolicy(Qt::TabFocus);
    static const bool accessible = [] {
        QAccessible::installFactory(&DropViewAccessible::create);
        return true;
    }();
    Q_UNUSED(accessible)
}

void DropView::activate() {
    if (m_dropEnabled && m_onActivate)
        m_onActivate();
}

QList<QUrl> DropView::fileUrls(const QMimeData* mimeData) {
    QList<QUrl> files;
    if (!mimeData || !mimeData->hasUrls())
        return files;
    for (const QUrl& url : mimeData->urls()) {
        // The URL keeps the bytes of a name that is not UTF-8; its path is read from it only later.
        if (!LocalPath::fromUrl(url).isEmpty())
            files.append(url);
    }
    return files;
}

void DropView::tellTarget(bool targeted) const {
    if (m_onTarget)
        m_onTarget(targeted);
}

bool DropView::enterDrag(const QMimeData* mimeData) {
    // Only drags carrying files are of interest at all, like a view registered for file URLs.
    if (!m_dropEnabled || fileUrls(mimeData).isEmpty())
        return false;
    tellTarget(true);
    return true;
}

void DropView::exitDrag() {
    tellTarget(false);
}

bool DropView::performDrop(const QMimeData* mimeData) {
    tellTarget(false);
    const QList<QUrl> files = m_dropEnabled ? fileUrls(mimeData) : QList<QUrl>();
    if (files.isEmpty())
        return false;
    if (m_onDrop)
        m_onDrop(files);
    return true;
}

void DropView::dragEnterEvent(QDragEnterEvent* event) {
    if (!enterDrag(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DropView::dragMoveEvent(QDragMoveEvent* event) {
    if (!m_dropEnabled || fileUrls(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DropView::dragLeaveEvent(QDragLeaveEvent* event) {
    exitDrag();
    event->accept();
}

void DropView::dropEvent(QDropEvent* event) {
    if (!performDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DropView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        activate();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DropView::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void DropView::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void DropView::paintEvent(QPaintEvent*) {
    // Like the style's own controls: the ring marks keyboard focus, not a click.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
}
