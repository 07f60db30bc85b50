#include "LicenseAgreementTextView.h"

#include "widgets/Appearance.h"

LicenseAgreementTextView::LicenseAgreementTextView(const QString& resource, QWidget* parent)
    : ResourceTextView(12, parent) {
    showResource(resource, qtTrId("license.unavailable"), Appearance::bodySize);
    recolour();
}
