#include "AboutCreditsTextView.h"

#include "widgets/Appearance.h"

#include <QTextCursor>
#include <QTextDocument>

AboutCreditsTextView::AboutCreditsTextView(const QString& resource,
                                           const std::optional<QString>& shortVersion, QWidget* parent)
    : ResourceTextView(4, parent) {
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("QTextBrowser { background: transparent; }"));
    // Only the first token: a second one may be part of the text itself.
    if (showResource(resource, qtTrId("about.credits.unavailable"), 12) && shortVersion) {
        QTextCursor token = document()->find(QStringLiteral("<versionString>"));
        if (!token.isNull())
            token.insertText(*shortVersion);
    }
    recolour();
}

QColor AboutCreditsTextView::textColour() const {
    return Appearance::secondaryText(palette());
}
