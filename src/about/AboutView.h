#pragma once

#include "platform/AppInfo.h"

#include <QWidget>

class DesktopServices;
class QLayout;

// The About window's content: icon, name and version, the credits, the rights notice and the
// three links to the web site.
class AboutView final : public QWidget {
    Q_OBJECT

public:
    AboutView(DesktopServices& desktop, const AppInfo& info = AppInfo::bundled(), QWidget* parent = nullptr);

    inline static constexpr int contentWidth = 500;
    inline static constexpr int contentHeight = 600;

    // "about.version" with the short version and the build number, or their fallbacks.
    static QString versionLine(const AppInfo& info);
    // The display name, else the name, else "Balewick".
    static QString displayName(const AppInfo& info);

private:
    // The icon, the name and the version line.
    QLayout* makeHeader(const AppInfo& info);
    // The rights notice over the links to the web site.
    QLayout* makeFooter(const AppInfo& info);
    QWidget* makeLink(const QString& titleKey, const QString& path);

    DesktopServices& m_desktop;
};
