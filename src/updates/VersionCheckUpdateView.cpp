#include "VersionCheckUpdateView.h"

#include "persistence/AppPreferences.h"
#include "widgets/Appearance.h"
#include "widgets/SymbolIcons.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int symbolSize = 48;
} // namespace

VersionCheckUpdateView::VersionCheckUpdateView(AppPreferences& preferences, const QString& title,
                                               const QString& versionLine, const QString& info,
                                               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_preferences(preferences) {
    setObjectName(QStringLiteral("updateWindow"));
    setWindowTitle(title);
    // The focus starts on a button; a screen reader reads this out with the window.
    setAccessibleDescription(info.isEmpty() ? versionLine : versionLine + u'\n' + info);
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(16);
    layout->addLayout(messageRow(title, versionLine, info), 1);
    layout->addLayout(buttonRow());

    connect(&m_preferences, &AppPreferences::autoCheckForUpdatesChanged, this,
            &VersionCheckUpdateView::refreshToggle);
    refreshToggle();
    refreshSymbol();
}

QHBoxLayout* VersionCheckUpdateView::messageRow(const QString& title, const QString& versionLine,
                                                const QString& info) {
    auto* message = new QHBoxLayout;
    message->setSpacing(16);
    m_symbol = new QLabel(this);
    m_symbol->setFixedSize(symbolSize, symbolSize);
    message->addWidget(m_symbol, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    auto* headline = new QLabel(title, this);
    headline->setObjectName(QStringLiteral("updates.window.title"));
    headline->setFont(Appearance::font(font(), Appearance::bodySize, QFont::Bold));
    headline->setWordWrap(true);
    texts->addWidget(headline);
    auto* version = new QLabel(versionLine, this);
    version->setObjectName(QStringLiteral("updates.window.versionLine"));
    version->setWordWrap(true);
    // The version comes from the network too.
    version->setTextFormat(Qt::PlainText);
    Appearance::useSecondaryText(version);
    texts->addWidget(version);
    if (!info.isEmpty()) {
        auto* infoLabel = new QLabel(info, this);
        infoLabel->setObjectName(QStringLiteral("updates.window.info"));
        infoLabel->setWordWrap(true);
        // The text comes from the network: shown as it is written, never as markup.
        infoLabel->setTextFormat(Qt::PlainText);
        texts->addWidget(infoLabel);
    }
    headline->setTextFormat(Qt::PlainText);
    texts->addStretch(1);
    message->addLayout(texts, 1);
    return message;
}

QHBoxLayout* VersionCheckUpdateView::buttonRow() {
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    m_toggle = new QPushButton(this);
    m_toggle->setObjectName(QStringLiteral("updates.window.toggle"));
    m_toggle->setAutoDefault(false);
    buttons->addWidget(m_toggle);
    buttons->addSpacing(24);
    buttons->addStretch(1);
    auto* cancel = new QPushButton(qtTrId("confirm.cancel"), this);
    cancel->setObjectName(QStringLiteral("confirm.cancel"));
    cancel->setAutoDefault(false);
    buttons->addWidget(cancel);
    auto* ok = new QPushButton(qtTrId("confirm.ok"), this);
    ok->setObjectName(QStringLiteral("confirm.ok"));
    ok->setDefault(true);
    buttons->addWidget(ok);

    connect(m_toggle, &QPushButton::clicked, this, &VersionCheckUpdateView::toggleCheckingRequested);
    connect(cancel, &QPushButton::clicked, this, &VersionCheckUpdateView::cancelRequested);
    connect(ok, &QPushButton::clicked, this, &VersionCheckUpdateView::okRequested);
    return buttons;
}

void VersionCheckUpdateView::present() {
    // The given size, unless a long text needs more height to be read whole.
    const int height = qMax(windowHeight, layout()->totalHeightForWidth(windowWidth));
    setFixedSize(windowWidth, height);
    if (const QScreen* target = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(target->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
}

void VersionCheckUpdateView::reject() {
    emit cancelRequested();
}

void VersionCheckUpdateView::closeEvent(QCloseEvent* event) {
    // QDialog would turn this into reject(), that is Cancel; closing is not an answer.
    event->accept();
}

void VersionCheckUpdateView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        refreshSymbol();
    QDialog::changeEvent(event);
}

void VersionCheckUpdateView::refreshToggle() {
    const bool checking = m_preferences.autoCheckForUpdates();
    m_toggle->setText(checking ? qtTrId("updates.window.disableChecking")
                               : qtTrId("updates.window.enableChecking"));
    m_toggle->setToolTip(checking ? qtTrId("updates.window.disableChecking.tip")
                                  : qtTrId("updates.window.enableChecking.tip"));
}

void VersionCheckUpdateView::refreshSymbol() {
    const QIcon icon =
        SymbolIcons::themed(QStringLiteral("system-software-update"), QStringLiteral("arrow-down-circle"),
                            Appearance::secondaryText(palette()));
    m_symbol->setPixmap(icon.pixmap(QSize(symbolSize, symbolSize), devicePixelRatioF()));
}
