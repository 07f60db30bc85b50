#include "DropView.h"

#include <QDragEnterEvent>
#include <QMimeData>

DropView::DropView(QWidget* parent)
    : QWidget(parent) {
    setAcceptDrops(true);
}

QList<QUrl> DropView::fileUrls(const QMimeData* mimeData) {
    QList<QUrl> files;
    if (!mimeData || !mimeData->hasUrls())
        return files;
    for (const QUrl& url : mimeData->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            files.append(url);
    }
    return files;
}

void DropView::tellTarget(bool targeted) const {
    if (m_onTarget)
        m_onTarget(targeted);
}

void DropView::dragEnterEvent(QDragEnterEvent* event) {
    // Only drags carrying files are of interest at all, like a view registered for file URLs.
    if (!m_dropEnabled || fileUrls(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    tellTarget(true);
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
    tellTarget(false);
    event->accept();
}

void DropView::dropEvent(QDropEvent* event) {
    tellTarget(false);
    const QList<QUrl> files = m_dropEnabled ? fileUrls(event->mimeData()) : QList<QUrl>();
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    if (m_onDrop)
        m_onDrop(files);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}
