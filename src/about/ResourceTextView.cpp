#include "ResourceTextView.h"

#include "widgets/Appearance.h"

#include <QEvent>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>

ResourceTextView::ResourceTextView(int documentMargin, QWidget* parent)
    : QTextBrowser(parent) {
    setOpenLinks(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    document()->setDocumentMargin(documentMargin);
}

bool ResourceTextView::showResource(const QString& resource, const QString& fallback, int fallbackSize) {
    QFile file(resource);
    if (file.open(QIODevice::ReadOnly)) {
        setHtml(QString::fromUtf8(file.readAll()));
        return true;
    }
    document()->setDefaultFont(Appearance::font(font(), fallbackSize));
    setPlainText(fallback);
    return false;
}

void ResourceTextView::changeEvent(QEvent* event) {
    QTextBrowser::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        recolour();
}

void ResourceTextView::recolour() {
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    QTextCharFormat colour;
    colour.setForeground(textColour());
    all.mergeCharFormat(colour);
}

QColor ResourceTextView::textColour() const {
    return palette().color(QPalette::Text);
}
