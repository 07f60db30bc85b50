#pragma once

#include <QString>
#include <QTextBrowser>

#include <optional>

// The credits under the About window's header: read-only but selectable, drawn in the secondary
// text colour on the window's own background, following palette changes.
class AboutCreditsTextView final : public QTextBrowser {
    Q_OBJECT

public:
    // `resource` is the credits document (Qt rich text); its first "<versionString>" becomes
    // `shortVersion` when one is given.
    explicit AboutCreditsTextView(const QString& resource = QStringLiteral(":/about/AboutText.html"),
                                  const std::optional<QString>& shortVersion = std::nullopt,
                                  QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void recolour();
};
