#pragma once

#include "ResourceTextView.h"

#include <QString>

#include <optional>

// The credits under the About window's header, drawn in the secondary text colour on the window's
// own background.
class AboutCreditsTextView final : public ResourceTextView {
    Q_OBJECT

public:
    // `resource` is the credits document (Qt rich text); its first "<versionString>" becomes
    // `shortVersion` when one is given.
    explicit AboutCreditsTextView(const QString& resource = QStringLiteral(":/about/AboutText.html"),
                                  const std::optional<QString>& shortVersion = std::nullopt,
                                  QWidget* parent = nullptr);

protected:
    QColor textColour() const override;
};
