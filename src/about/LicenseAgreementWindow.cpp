#include "LicenseAgreementWindow.h"

#include "LicenseAgreementView.h"
#include "widgets/WindowPresentation.h"

#include <QVBoxLayout>

LicenseAgreementWindow::LicenseAgreementWindow(QWidget* parent)
    : QDialog(parent, Qt::Window) {
    setObjectName(QStringLiteral("licenseWindow"));
    setWindowTitle(qtTrId("license.title"));
    setModal(false);
    setSizeGripEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new LicenseAgreementView(QStringLiteral(":/about/LicenseAgreement.html"), this);
    layout->addWidget(m_view);
    setMinimumSize(420, 320);
    resize(560, 420);
}

LicenseAgreementWindow*
LicenseAgreementWindow::showLicenseAgreementWindow(std::unique_ptr<LicenseAgreementWindow>* kept) {
    return WindowPresentation::showKept(kept, [&] { return new LicenseAgreementWindow; });
}
