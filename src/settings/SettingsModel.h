#pragma once

#include "SettingsTab.h"

#include <QObject>

class QSettings;

// Which pane the settings window shows, remembered across windows and restarts.
class SettingsModel final : public QObject {
    Q_OBJECT

public:
    // The store is not owned and must outlive the model.
    explicit SettingsModel(QSettings& settings, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(SettingsModel)

    SettingsTab selectedTab() const { return m_selectedTab; }
    // Every assignment is stored, even of the pane already shown.
    void setSelectedTab(SettingsTab tab);
    // The stored pane, or General when none is stored.
    void restoreSelection();

signals:
    void selectedTabChanged();

private:
    QSettings& m_settings;
    SettingsTab m_selectedTab = SettingsTab::general;
};
