#pragma once

#include "SettingsTab.h"

#include <QObject>

#include <optional>

class QSettings;

// Which pane the settings window shows, remembered across windows and restarts.
class SettingsModel final : public QObject {
    Q_OBJECT

public:
    // The store is not owned and must outlive the model.
    explicit SettingsModel(QSettings& settings, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(SettingsModel)

    // The process-wide model over the standard settings store.
    static SettingsModel& shared();

    SettingsTab selectedTab() const { return m_selectedTab; }
    // Every assignment is stored, even of the pane already shown.
    void setSelectedTab(SettingsTab tab);
    // The stored pane, or General when none is stored.
    void restoreSelection();

    // A pane asked for before the window shows; taken (and emptied) when it does.
    void setPendingTab(SettingsTab tab) { m_pendingTab = tab; }
    std::optional<SettingsTab> takePendingTab() { return std::exchange(m_pendingTab, std::nullopt); }

signals:
    void selectedTabChanged();

private:
    QSettings& m_settings;
    SettingsTab m_selectedTab = SettingsTab::general;
    std::optional<SettingsTab> m_pendingTab;
};
