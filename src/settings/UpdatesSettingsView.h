#pragma once

#include <QVariantMap>
#include <QWidget>

class AppPreferences;
class BusyIndicator;
class OptionSwitch;
class QLabel;
class QPushButton;

// Automatic checking, the last successful check, and a check on request with its outcome. The
// pane only asks for checks and hears every check finish; the application connects it to the
// version checker.
class UpdatesSettingsView final : public QWidget {
    Q_OBJECT

public:
    // The last check's date is read from the preferences' store.
    explicit UpdatesSettingsView(AppPreferences& preferences, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(UpdatesSettingsView)

    bool isChecking() const { return m_isChecking; }

public slots:
    // After any check, the pane's own or not: the version checker's finish signal.
    void versionCheckDidFinish(const QVariantMap& userInfo);

signals:
    // The check button was pressed; answer with checkForUpdates(true).
    void checkRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refreshLastChecked();
    void setChecking(bool checking);
    void refreshSwitch();

    AppPreferences& m_preferences;
    OptionSwitch* m_automatic;
    QLabel* m_status;
    QLabel* m_details;
    QPushButton* m_check;
    BusyIndicator* m_busy;
    bool m_isChecking = false;
};
