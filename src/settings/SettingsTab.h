#pragma once

#include <QString>

#include <optional>

// The panes of the settings window, in tab order.
enum class SettingsTab { general = 0, updates = 1 };

// "GeneralPane" / "UpdatesPane", as stored.
QString storedName(SettingsTab tab);
// None for any other text.
std::optional<SettingsTab> settingsTabFromStored(const QString& stored);
