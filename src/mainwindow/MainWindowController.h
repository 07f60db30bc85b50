#pragma once

#include <QMainWindow>
#include <QString>
#include <QUrl>

#include <optional>

class AppPreferences;
class DesktopServices;
class Dialogs;
class MainModel;

// The main window: the main view with the menu bar. Closing only hides it, so the same window
// comes back with its state.
class MainWindowController final : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int contentWidth = 520;
    static constexpr int contentHeight = 560;
    static constexpr int minimumContentHeight = 520;

    // Builds the window centred on the screen; does not show it.
    MainWindowController(MainModel& model, AppPreferences& preferences, Dialogs& dialogs,
                         DesktopServices& desktop, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(MainWindowController)

    // Shows the window (again), restores it when minimised and brings it to the front.
    void showWindow();

    // The maker's page at the path on the given host; nothing when the address does not parse.
    static std::optional<QUrl> pageUrl(const QString& host, const QString& path);

signals:
    // The application menu's items that the delegate answers.
    void aboutRequested();
    void checkForUpdatesRequested();
    // The Settings item and the main view's gear button: one way to the settings window.
    void settingsRequested();
    // The recents menu's log item.
    void logRequested();
    // The Help menu's licence item.
    void licenseRequested();
    // The Quit command; the application decides whether and how to end.
    void quitRequested();

private:
    void buildMenus();
    void openPage(const QString& path);
    void centreOnScreen();

    MainModel& m_model;
    DesktopServices& m_desktop;
};
