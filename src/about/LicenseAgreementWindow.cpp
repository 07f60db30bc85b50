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
    if (kept && *kept) {
        WindowPresentation::bringToFront(**kept);
        return kept->get();
    }
    auto* window = new LicenseAgreementWindow;
    WindowPresentation::centreOnScreen(*window);
    WindowPresentation::bringToFront(*window);
    if (kept)
        kept->reset(window);
    else
        window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}
