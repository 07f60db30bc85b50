#include "VersionCheckResult.h"

QVariantMap VersionCheckResult::userInfo() const {
    QVariantMap info{{QStringLiteral("latestVersion"), latestVersion}};
    const std::pair<QString, const std::optional<QString>&> optional[] = {
        {QStringLiteral("downloadUrl"), downloadUrl},
        {QStringLiteral("titleText"), titleText},
        {QStringLiteral("infoText"), infoText}};
    for (const auto& [key, value] : optional) {
        if (value)
            info.insert(key, *value);
    }
    return info;
}
