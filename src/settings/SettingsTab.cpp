#include "SettingsTab.h"

QString storedName(SettingsTab tab) {
    return tab == SettingsTab::updates ? QStringLiteral("UpdatesPane") : QStringLiteral("GeneralPane");
}

std::optional<SettingsTab> settingsTabFromStored(const QString& stored) {
    for (const SettingsTab tab : {SettingsTab::general, SettingsTab::updates}) {
        if (stored == storedName(tab))
            return tab;
    }
    return std::nullopt;
}
