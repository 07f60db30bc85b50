#include "ResultBanner.h"

#include "DropView.h"
#include "widgets/Appearance.h"
#include "widgets/LineLimitedLabel.h"
#include "widgets/ReturnActivation.h"
#include "workflow/DesktopServices.h"
#include "workflow/MainModel.h"

#include <QDragEnterEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int fadeMilliseconds = 200;
constexpr qreal panelRadius = 12;
constexpr int shadowRadius = 10;
constexpr int shadowOffset = 3;
constexpr qreal shadowOpacity = 0.16;
} // namespace

ResultBanner::ResultBanner(MainModel& model, DesktopServices& desktop, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_desktop(desktop)
    , m_panel(new QWidget(this))
    , m_text(new LineLimitedLabel(2, m_panel))
    , m_kept(new LineLimitedLabel(1, m_panel))
    , m_revealButton(new QPushButton(qtTrId("banner.showInFinder"), m_panel))
    , m_opacity(new QGraphicsOpacityEffect(this))
    , m_animation(new QPropertyAnimation(m_opacity, "opacity", this)) {
    setObjectName(QStringLiteral("resultBanner"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 0, 16, 64);
    layout->addStretch(1);
    layout->addWidget(m_panel);

    m_panel->setObjectName(QStringLiteral("bannerPanel"));
    // The banner paints the panel and its shadow; clicks on the panel reach the banner and dismiss it.
    auto* column = new QVBoxLayout(m_panel);
    column->setContentsMargins(14, 10, 14, 10);
    column->setSpacing(4);
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    column->addLayout(row);
    m_text->setObjectName(QStringLiteral("bannerText"));
    m_text->setFont(Appearance::font(m_text->font(), Appearance::bodySize, QFont::DemiBold));
    m_text->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    row->addWidget(m_text, 1, Qt::AlignVCenter);
    m_revealButton->setObjectName(QStringLiteral("banner.showInFinder"));
    m_revealButton->setAutoDefault(false);
    ReturnActivation::install(m_revealButton);
    row->addWidget(m_revealButton, 0, Qt::AlignVCenter);
    // The originals that stayed, under both, so that the line has the panel's whole width.
    m_kept->setObjectName(QStringLiteral("bannerKept"));
    m_kept->setSecondary(true);
    m_kept->setAttribute(Qt::WA_TransparentForMouseEvents);
    column->addWidget(m_kept);
    connect(m_revealButton, &QPushButton::clicked, this, &ResultBanner::reveal);

    m_opacity->setOpacity(0);
    setGraphicsEffect(m_opacity);
    m_animation->setDuration(fadeMilliseconds);
    m_animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_animation, &QPropertyAnimation::finished, this, [this] {
        if (!m_presented)
            hide();
    });
    connect(&m_model, &MainModel::resultChanged, this, &ResultBanner::refresh);
    hide();
    refresh();
}

QString ResultBanner::message(const ArchiveResult& result) {
    if (result.urls.size() == 1)
        return qtTrId("banner.created").arg(result.urls.first().fileName());
    return qtTrId("banner.createdMany").arg(result.urls.size());
}

QString ResultBanner::keptLine(const ArchiveResult& result) {
    if (result.kept.isEmpty())
        return {};
    QStringList reasons;
    for (const ArchiveResult::KeptItem& kept : result.kept) {
        using Reason = ArchiveResult::KeptReason;
        const QString reason =
            qtTrId(kept.reason == Reason::noTrash   ? QT_TRID_NOOP("trash.kept.noTrash")
                   : kept.reason == Reason::changed ? QT_TRID_NOOP("trash.kept.changed")
                                                    : QT_TRID_NOOP("trash.kept.incomplete"));
        if (!reasons.contains(reason))
            reasons.append(reason);
    }
    return qtTrId("trash.kept")
        .arg(QString::number(result.kept.size()), QLocale().createSeparatedList(reasons));
}

void ResultBanner::refresh() {
    const std::optional<ArchiveResult> result = m_model.result();
    if (result) {
        m_text->setText(message(*result));
        m_kept->setText(keptLine(*result));
        m_kept->setVisible(!result->kept.isEmpty());
    }
    fade(result.has_value());
}

void ResultBanner::fade(bool in) {
    if (in == m_presented && (in ? isVisible() : !isVisible()))
        return;
    m_presented = in;
    // While fading out, clicks already go to the window underneath.
    setAttribute(Qt::WA_TransparentForMouseEvents, !in);
    m_animation->stop();
    m_animation->setStartValue(m_opacity->opacity());
    m_animation->setEndValue(in ? 1.0 : 0.0);
    if (in) {
        show();
        raise();
    }
    m_animation->start();
}

void ResultBanner::reveal() {
    if (const std::optional<ArchiveResult> result = m_model.result())
        m_desktop.revealInFileManager(result->urls);
    m_model.setResult(std::nullopt);
}

void ResultBanner::mousePressEvent(QMouseEvent* event) {
    event->accept();
    m_model.setResult(std::nullopt);
}

void ResultBanner::setDropTarget(DropView* target) {
    m_dropTarget = target;
    setAcceptDrops(target != nullptr);
}

bool ResultBanner::isOverDropTarget(const QPointF& position) const {
    return m_dropTarget &&
           m_dropTarget->rect().contains(m_dropTarget->mapFromGlobal(mapToGlobal(position.toPoint())));
}

void ResultBanner::followDrag(QDragMoveEvent* event) {
    if (!isOverDropTarget(event->position())) {
        leaveDropTarget();
        event->ignore();
        return;
    }
    if (!m_dragOnTarget)
        m_dragOnTarget = m_dropTarget->enterDrag(event->mimeData());
    event->setDropAction(Qt::CopyAction);
    event->setAccepted(m_dragOnTarget);
}

void ResultBanner::leaveDropTarget() {
    if (!m_dragOnTarget)
        return;
    m_dragOnTarget = false;
    if (m_dropTarget)
        m_dropTarget->exitDrag();
}

void ResultBanner::dragEnterEvent(QDragEnterEvent* event) {
    m_dragOnTarget = false;
    followDrag(event);
    // The whole banner stays the drag's receiver, so that it hears when the pointer reaches the
    // drop zone; whether a drop is possible is told with each move.
    if (m_dropTarget && m_dropTarget->isDropEnabled() && !DropView::fileUrls(event->mimeData()).isEmpty())
        event->accept();
}

void ResultBanner::dragMoveEvent(QDragMoveEvent* event) {
    followDrag(event);
}

void ResultBanner::dragLeaveEvent(QDragLeaveEvent* event) {
    leaveDropTarget();
    event->accept();
}

void ResultBanner::dropEvent(QDropEvent* event) {
    if (!m_dragOnTarget || !isOverDropTarget(event->position())) {
        leaveDropTarget();
        event->ignore();
        return;
    }
    // The drop view clears the targeting itself before it takes the drop.
    m_dragOnTarget = false;
    if (!m_dropTarget->performDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ResultBanner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = QRectF(m_panel->geometry()).adjusted(0.5, 0.5, -0.5, -0.5);

    // A soft shadow: rings that fade out with their distance from the panel.
    QColor shadow = palette().color(QPalette::Active, QPalette::WindowText);
    painter.setBrush(Qt::NoBrush);
    const QRectF shadowBase = panel.translated(0, shadowOffset);
    for (int distance = 1; distance <= shadowRadius; ++distance) {
        const qreal falloff = 1.0 - qreal(distance) / (shadowRadius + 1);
        shadow.setAlphaF(shadowOpacity * falloff * falloff);
        painter.setPen(QPen(shadow, 1));
        const QRectF ring = shadowBase.adjusted(-distance, -distance, distance, distance);
        painter.drawRoundedRect(ring, panelRadius + distance, panelRadius + distance);
    }
    shadow.setAlphaF(shadowOpacity);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawRoundedRect(shadowBase, panelRadius, panelRadius);

    painter.setPen(QPen(Appearance::separator(palette()), 1));
    painter.setBrush(palette().color(QPalette::Active, QPalette::Base));
    painter.drawRoundedRect(panel, panelRadius, panelRadius);
}
