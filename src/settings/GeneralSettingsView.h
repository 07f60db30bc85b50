#pragma once

#include <QWidget>

class AppPreferences;
class OptionSwitch;
class QComboBox;

// Where archives go, the workflow options, the zip encryption, and bringing back every silenced confirmation.
class GeneralSettingsView final : public QWidget {
    Q_OBJECT

public:
    explicit GeneralSettingsView(AppPreferences& preferences, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(GeneralSettingsView)

private:
    void refresh();

    AppPreferences& m_preferences;
    QComboBox* m_destination;
    OptionSwitch* m_promptForName;
    OptionSwitch* m_skipArchives;
    OptionSwitch* m_individual;
    OptionSwitch* m_strongZip;
};
