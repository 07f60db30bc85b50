#include "LicenseAgreementTextView.h"

#include "widgets/Appearance.h"

#include <QEvent>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>

LicenseAgreementTextView::LicenseAgreementTextView(const QString& resource, QWidget* parent)
    : QTextBrowser(parent) {
    setOpenLinks(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    document()->setDocumentMargin(12);

    QFile file(resource);
    if (file.open(QIODevice::ReadOnly)) {
        setHtml(QString::fromUtf8(file.readAll()));
    } else {
        document()->setDefaultFont(Appearance::font(font(), Appearance::bodySize));
        setPlainText(qtTrId("license.unavailable"));
    }
    recolour();
}

void LicenseAgreementTextView::changeEvent(QEvent* event) {
    QTextBrowser::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        recolour();
}

void LicenseAgreementTextView::recolour() {
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    QTextCharFormat colour;
    colour.setForeground(palette().color(QPalette::Text));
    all.mergeCharFormat(colour);
}
