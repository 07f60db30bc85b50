#include "AboutView.h"

#include "AboutCreditsTextView.h"
#include "widgets/Appearance.h"
#include "widgets/SymbolIcons.h"
#include "workflow/DesktopServices.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int iconSize = 128;

QFrame* divider(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setStyleSheet(
        QStringLiteral("color: %1;").arg(Appearance::separator(parent->palette()).name(QColor::HexArgb)));
    return line;
}

QLabel* secondaryLabel(const QString& text, qreal size, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(Appearance::font(parent->font(), size));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Appearance::useSecondaryText(label);
    return label;
}

} // namespace

QString AboutView::displayName(const AppInfo& info) {
    return info.displayName.value_or(info.name.value_or(QStringLiteral("Balewick")));
}

QString AboutView::versionLine(const AppInfo& info) {
    return qtTrId("about.version")
        .arg(info.shortVersion.value_or(QStringLiteral("27.0")),
             info.buildNumber.value_or(QStringLiteral("1")));
}

AboutView::AboutView(DesktopServices& desktop, const AppInfo& info, QWidget* parent)
    : QWidget(parent)
    , m_desktop(desktop) {
    setFixedSize(contentWidth, contentHeight);

    QLayout* header = makeHeader(info);
    auto* credits =
        new AboutCreditsTextView(QStringLiteral(":/about/AboutText.html"), info.shortVersion, this);
    credits->setObjectName(QStringLiteral("aboutCredits"));
    credits->setAccessibleName(qtTrId("a11y.aboutCredits"));
    credits->setMaximumHeight(200);
    auto* creditsBox = new QVBoxLayout;
    creditsBox->setContentsMargins(36, 16, 36, 16);
    creditsBox->addWidget(credits);
    QLayout* footer = makeFooter(info);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(header);
    layout->addWidget(divider(this));
    layout->addLayout(creditsBox, 1);
    layout->addWidget(divider(this));
    layout->addLayout(footer);
}

QLayout* AboutView::makeHeader(const AppInfo& info) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setFixedSize(iconSize, iconSize);
    icon->setAlignment(Qt::AlignCenter);
    const QIcon appIcon = QApplication::windowIcon();
    const qreal ratio = devicePixelRatioF();
    if (!appIcon.isNull()) {
        QPixmap pixmap = appIcon.pixmap(QSize(iconSize, iconSize), ratio);
        icon->setPixmap(pixmap);
    } else {
        icon->setPixmap(SymbolIcons::tinted(QStringLiteral("archivebox"),
                                            Appearance::secondaryText(palette()), 64, ratio));
    }

    auto* name = new QLabel(displayName(info), this);
    name->setObjectName(QStringLiteral("aboutName"));
    name->setFont(Appearance::font(font(), 28, QFont::DemiBold));
    name->setAlignment(Qt::AlignCenter);
    QLabel* version = secondaryLabel(versionLine(info), Appearance::bodySize, this);
    version->setObjectName(QStringLiteral("aboutVersion"));

    auto* header = new QVBoxLayout;
    header->setSpacing(12);
    header->setContentsMargins(0, 36, 0, 20);
    header->addWidget(icon, 0, Qt::AlignHCenter);
    header->addWidget(name);
    header->addWidget(version);
    return header;
}

QLayout* AboutView::makeFooter(const AppInfo& info) {
    QLabel* rights = secondaryLabel(info.copyright.value_or(qtTrId("about.rights")), 11, this);
    rights->setObjectName(QStringLiteral("aboutRights"));
    auto* links = new QHBoxLayout;
    links->setSpacing(20);
    links->addStretch();
    links->addWidget(makeLink(QStringLiteral("about.link.website"), QStringLiteral("/")));
    links->addWidget(makeLink(QStringLiteral("about.link.privacy"), QStringLiteral("/privacy-policy/")));
    links->addWidget(makeLink(QStringLiteral("about.link.support"), QStringLiteral("/support/")));
    links->addStretch();
    auto* footer = new QVBoxLayout;
    footer->setSpacing(12);
    footer->setContentsMargins(20, 20, 20, 20);
    footer->addWidget(rights);
    footer->addLayout(links);
    return footer;
}

QWidget* AboutView::makeLink(const QString& titleKey, const QString& path) {
    auto* link = new QPushButton(qtTrId(titleKey.toUtf8().constData()), this);
    link->setObjectName(titleKey);
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setFont(Appearance::font(font(), 11));
    link->setStyleSheet(QStringLiteral("QPushButton { color: palette(link); border: none; padding: 2px; }"
                                       "QPushButton:hover { text-decoration: underline; }"));
    connect(link, &QPushButton::clicked, this, [this, path] {
        if (const std::optional<QUrl> url = webPageUrl(webHost(), path))
            m_desktop.openUrl(*url);
    });
    return link;
}
