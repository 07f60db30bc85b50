#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// The application's identity as set at build time. Every field may be missing, so each reader
// has its own fallback.
struct AppInfo {
    std::optional<QString> displayName;
    std::optional<QString> name;
    std::optional<QString> shortVersion;
    std::optional<QString> buildNumber;
    std::optional<QString> copyright;

    // The values this build was configured with (an empty setting counts as missing).
    static AppInfo bundled();

    // The main window's title.
    QString windowTitle() const;
    // The name used in messages and the application menu.
    QString applicationName() const;
};

// Base address of the maker's web site, e.g. "https://balewick.example".
QString webHost();

// A page of the web site at `host` (trailing slashes ignored), or nothing when the address does
// not parse as an absolute URL with a host.
std::optional<QUrl> webPageUrl(const QString& host, const QString& path);
