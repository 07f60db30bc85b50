#pragma once

#include "SettingsTab.h"

#include <QWidget>

class AppPreferences;
class GeneralSettingsView;
class QTabWidget;
class SettingsModel;
class UpdatesSettingsView;

// The settings window: General and Updates tabs. Its title is the shown tab's name and its
// height follows the shown pane, with the top edge kept in place. Closing only hides it.
class SettingsView final : public QWidget {
    Q_OBJECT

public:
    static constexpr int tabWidth = 480;
    static constexpr int margin = 12;
    static constexpr int minimumContentHeight = 120;

    SettingsView(SettingsModel& model, AppPreferences& preferences, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(SettingsView)

    UpdatesSettingsView* updatesPane() const { return m_updates; }

    // The label of a tab, which is also the window's title while it is shown.
    static QString tabLabel(SettingsTab tab);

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void showSelectedTab();
    void scheduleFit();
    void refreshTabSymbols();

    SettingsModel& m_model;
    QTabWidget* m_tabs;
    GeneralSettingsView* m_general;
    UpdatesSettingsView* m_updates;
    bool m_fitScheduled = false;
    bool m_placed = false;
};

// Fits the settings window's height to the shown pane, keeping its top edge; a difference of a
// point or less is left alone. Nothing when no settings window exists.
void fitSettingsWindow();
