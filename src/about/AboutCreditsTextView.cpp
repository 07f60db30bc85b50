#include "AboutCreditsTextView.h"

#include "widgets/Appearance.h"

#include <QEvent>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>

AboutCreditsTextView::AboutCreditsTextView(const QString& resource,
                                           const std::optional<QString>& shortVersion, QWidget* parent)
    : QTextBrowser(parent) {
    setOpenLinks(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("QTextBrowser { background: transparent; }"));
    document()->setDocumentMargin(4);

    QFile file(resource);
    if (file.open(QIODevice::ReadOnly)) {
        setHtml(QString::fromUtf8(file.readAll()));
        // Only the first token: a second one may be part of the text itself.
        if (shortVersion) {
            QTextCursor token = document()->find(QStringLiteral("<versionString>"));
            if (!token.isNull())
                token.insertText(*shortVersion);
        }
    } else {
        QFont font = Appearance::font(this->font(), 12);
        document()->setDefaultFont(font);
        setPlainText(qtTrId("about.credits.unavailable"));
    }
    recolour();
}

void AboutCreditsTextView::changeEvent(QEvent* event) {
    QTextBrowser::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        recolour();
}

void AboutCreditsTextView::recolour() {
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    QTextCharFormat colour;
    colour.setForeground(Appearance::secondaryText(palette()));
    all.mergeCharFormat(colour);
}
