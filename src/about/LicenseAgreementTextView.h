#pragma once

#include "ResourceTextView.h"

#include <QString>

// The licence text, in the text colour on the text background.
class LicenseAgreementTextView final : public ResourceTextView {
    Q_OBJECT

public:
    explicit LicenseAgreementTextView(
        const QString& resource = QStringLiteral(":/about/LicenseAgreement.html"), QWidget* parent = nullptr);
};
