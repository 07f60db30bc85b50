#pragma once

#include <QString>
#include <QWidget>

class QPushButton;

// The licence window's content: the text, a divider and the default Close button.
class LicenseAgreementView final : public QWidget {
    Q_OBJECT

public:
    explicit LicenseAgreementView(const QString& resource = QStringLiteral(":/about/LicenseAgreement.html"),
                                  QWidget* parent = nullptr);

    QPushButton* closeButton() const { return m_close; }

private:
    QPushButton* m_close = nullptr;
};
