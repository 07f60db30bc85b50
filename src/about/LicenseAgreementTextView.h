#pragma once

#include <QString>
#include <QTextBrowser>

// The licence text: read-only but selectable, in the text colour on the text background.
class LicenseAgreementTextView final : public QTextBrowser {
    Q_OBJECT

public:
    explicit LicenseAgreementTextView(
        const QString& resource = QStringLiteral(":/about/LicenseAgreement.html"), QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void recolour();
};
