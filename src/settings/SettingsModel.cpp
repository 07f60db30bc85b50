#include "SettingsModel.h"

#include <QSettings>

namespace {
const QString selectedPaneKey = QStringLiteral("BWSelectedPane");
} // namespace

SettingsModel::SettingsModel(QSettings& settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings) {}

void SettingsModel::setSelectedTab(SettingsTab tab) {
    m_settings.setValue(selectedPaneKey, storedName(tab));
    m_settings.sync();
    if (tab == m_selectedTab)
        return;
    m_selectedTab = tab;
    emit selectedTabChanged();
}

void SettingsModel::restoreSelection() {
    setSelectedTab(
        settingsTabFromStored(m_settings.value(selectedPaneKey).toString()).value_or(SettingsTab::general));
}
