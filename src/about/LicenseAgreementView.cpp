#include "LicenseAgreementView.h"

#include "LicenseAgreementTextView.h"
#include "widgets/Appearance.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

LicenseAgreementView::LicenseAgreementView(const QString& resource, QWidget* parent)
    : QWidget(parent) {
    auto* text = new LicenseAgreementTextView(resource, this);
    text->setObjectName(QStringLiteral("licenseText"));
    text->setAccessibleName(qtTrId("license.title"));
    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Plain);
    divider->setStyleSheet(
        QStringLiteral("color: %1;").arg(Appearance::separator(palette()).name(QColor::HexArgb)));

    m_close = new QPushButton(qtTrId("license.close"), this);
    m_close->setObjectName(QStringLiteral("licenseClose"));
    m_close->setDefault(true);
    // Closes the window it sits in, which is the licence window whichever window has the focus.
    connect(m_close, &QPushButton::clicked, this, [this] { window()->close(); });

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), 8,
                                style()->pixelMetric(QStyle::PM_LayoutRightMargin), 10);
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(text, 1);
    layout->addWidget(divider);
    layout->addLayout(buttons);
}
