#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <optional>

class AboutWindow;
class AppPreferences;
class ArchiveLogStore;
class DesktopServices;
class Dialogs;
class LicenseAgreementWindow;
class LogWindow;
class MainModel;
class MainWindowController;
class SettingsModel;
class SettingsView;
class VersionChecker;

// Decides what exists at start-up and in which order, and keeps the application's windows.
class AppDelegate final : public QObject {
    Q_OBJECT

public:
    // What the application made once; the delegate hands it to the windows it makes.
    struct Collaborators {
        AppPreferences& preferences;
        ArchiveLogStore& log;
        MainModel& model;
        SettingsModel& settings;
        Dialogs& dialogs;
        DesktopServices& desktop;
    };

    // The collaborators are not owned and must outlive the delegate.
    explicit AppDelegate(const Collaborators& collaborators, QObject* parent = nullptr);
    ~AppDelegate() override;
    Q_DISABLE_COPY_MOVE(AppDelegate)

    // Checks where Balewick runs from, then makes and shows the main window. False when the
    // location was refused (the application is then asked to exit with code 1).
    bool applicationDidFinishLaunching();
    // Files opened with the application: a run of the workflow, without showing the window; while
    // a run is busy they wait for their turn.
    void openUrls(const QList<QUrl>& urls);
    // Launching again without files: brings the main window back unless a window is showing.
    void reopen();
    // True when Balewick may go on; otherwise tells the user and asks the application to exit.
    bool verifyLaunchLocation();

    MainWindowController* windowController() const { return m_windowController.get(); }

    // The Settings item and the main window's gear button: makes the settings window once, then
    // shows it (again) in front, at the pane shown last.
    void showSettingsWindow();
    SettingsView* settingsWindow() const { return m_settingsWindow.get(); }

    // Made on the first check, so that without one nothing touches the network.
    VersionChecker& versionChecker();
    bool hasVersionChecker() const { return m_versionChecker != nullptr; }
    // The log window once shown; it is kept, hidden when closed, for the rest of the process.
    LogWindow* logWindow() const { return m_logWindow.get(); }
    void showLogWindow();
    // The About and licence windows, kept like the log window.
    AboutWindow* aboutWindow() const { return m_aboutWindow.get(); }
    void showAboutWindow();
    LicenseAgreementWindow* licenseAgreementWindow() const { return m_licenseAgreementWindow.get(); }
    void showLicenseAgreementWindow();

signals:
    // Quit was chosen in the main window.
    void quitRequested();

public:
    // Lets tests run the launch check against their own executable and folders.
    void setLaunchLocationForTesting(const QString& executablePath, const QStringList& applicationsFolders);

private:
    static bool hasVisibleWindows();
    void connectWindowController();

    Collaborators m_collaborators;
    std::unique_ptr<MainWindowController> m_windowController;
    std::unique_ptr<SettingsView> m_settingsWindow;
    VersionChecker* m_versionChecker = nullptr;
    std::unique_ptr<AboutWindow> m_aboutWindow;
    std::unique_ptr<LicenseAgreementWindow> m_licenseAgreementWindow;
    std::unique_ptr<LogWindow> m_logWindow;
    std::optional<QString> m_executablePathOverride;
    std::optional<QStringList> m_applicationsFoldersOverride;
    bool m_launchRefused = false;
};
