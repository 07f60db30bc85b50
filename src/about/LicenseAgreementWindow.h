#pragma once

#include <QDialog>

#include <memory>

class LicenseAgreementView;

// The licence window: resizable, modeless, Return presses its Close button.
class LicenseAgreementWindow final : public QDialog {
    Q_OBJECT

public:
    explicit LicenseAgreementWindow(QWidget* parent = nullptr);

    LicenseAgreementView* view() const { return m_view; }

    // Brings the kept window forward, or makes one (kept in `*kept` when given).
    static LicenseAgreementWindow* showLicenseAgreementWindow(std::unique_ptr<LicenseAgreementWindow>* kept);

private:
    LicenseAgreementView* m_view = nullptr;
};
