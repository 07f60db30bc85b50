#include "AppInfo.h"

#include "AppInfoValues.h"

namespace {

std::optional<QString> setting(const char* value) {
    const QString text = QString::fromUtf8(value);
    if (text.isEmpty())
        return std::nullopt;
    return text;
}

QString nonEmptyOr(const std::optional<QString>& value, const QString& fallback) {
    return value && !value->isEmpty() ? *value : fallback;
}

} // namespace

AppInfo AppInfo::bundled() {
    return AppInfo{setting(BALEWICK_DISPLAY_NAME), setting(BALEWICK_NAME), setting(BALEWICK_SHORT_VERSION),
                   setting(BALEWICK_BUILD_NUMBER), setting(BALEWICK_COPYRIGHT)};
}

QString AppInfo::windowTitle() const {
    return nonEmptyOr(displayName, QStringLiteral("Balewick"));
}

QString AppInfo::applicationName() const {
    return nonEmptyOr(name, QStringLiteral("Balewick"));
}

QString webHost() {
    return QString::fromUtf8(BALEWICK_WEB_HOST);
}

std::optional<QUrl> webPageUrl(const QString& host, const QString& path) {
    QString base = host.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    const QUrl url(base + path, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || url.host().isEmpty())
        return std::nullopt;
    return url;
}
