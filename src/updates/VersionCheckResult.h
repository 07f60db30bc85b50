#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

// What the version document announces: the newest version and, where the document has them, a
// download address, a headline and a note.
struct VersionCheckResult {
    QString latestVersion;
    std::optional<QString> downloadUrl{};
    std::optional<QString> titleText{};
    std::optional<QString> infoText{};

    // As the finish notification carries it: "latestVersion" and whichever of "downloadUrl",
    // "titleText" and "infoText" are present.
    QVariantMap userInfo() const;

    friend bool operator==(const VersionCheckResult&, const VersionCheckResult&) = default;
};
