#include "AppDelegate.h"

#include "LaunchLocation.h"
#include "about/AboutWindow.h"
#include "about/LicenseAgreementWindow.h"
#include "log/LogWindow.h"
#include "mainwindow/MainWindowController.h"
#include "persistence/AppPreferences.h"
#include "platform/AppInfo.h"
#include "settings/SettingsView.h"
#include "settings/UpdatesSettingsView.h"
#include "updates/VersionChecker.h"
#include "widgets/WindowPresentation.h"
#include "workflow/MainModel.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

AppDelegate::AppDelegate(const Collaborators& collaborators, QObject* parent)
    : QObject(parent)
    , m_collaborators(collaborators) {}

AppDelegate::~AppDelegate() = default;

bool AppDelegate::applicationDidFinishLaunching() {
    if (!verifyLaunchLocation())
        return false;
    m_windowController = std::make_unique<MainWindowController>(
        m_collaborators.model, m_collaborators.preferences, m_collaborators.dialogs, m_collaborators.desktop);
    connectWindowController();
    m_windowController->showWindow();
    // With automatic checks off, no checker is made and nothing reaches the network.
    if (m_collaborators.preferences.autoCheckForUpdates())
        versionChecker().checkForUpdates(false);
    return true;
}

void AppDelegate::connectWindowController() {
    MainWindowController* controller = m_windowController.get();
    connect(controller, &MainWindowController::checkForUpdatesRequested, this,
            [this] { versionChecker().checkForUpdates(true); });
    connect(controller, &MainWindowController::settingsRequested, this, &AppDelegate::showSettingsWindow);
    connect(controller, &MainWindowController::logRequested, this, &AppDelegate::showLogWindow);
    connect(controller, &MainWindowController::aboutRequested, this, &AppDelegate::showAboutWindow);
    connect(controller, &MainWindowController::licenseRequested, this,
            &AppDelegate::showLicenseAgreementWindow);
    connect(controller, &MainWindowController::quitRequested, this, &AppDelegate::quitRequested);
}

VersionChecker& AppDelegate::versionChecker() {
    if (!m_versionChecker)
        m_versionChecker = new VersionChecker(m_collaborators.preferences, m_collaborators.desktop, this);
    return *m_versionChecker;
}

void AppDelegate::showSettingsWindow() {
    if (!m_settingsWindow) {
        m_settingsWindow =
            std::make_unique<SettingsView>(m_collaborators.settings, m_collaborators.preferences);
        UpdatesSettingsView* pane = m_settingsWindow->updatesPane();
        connect(pane, &UpdatesSettingsView::checkRequested, this,
                [this] { versionChecker().checkForUpdates(true); });
        // The pane hears every check, also those begun before the window existed.
        connect(&versionChecker(), &VersionChecker::versionCheckDidFinish, pane,
                &UpdatesSettingsView::versionCheckDidFinish);
    }
    WindowPresentation::bringToFront(*m_settingsWindow);
}

void AppDelegate::openUrls(const QList<QUrl>& urls) {
    // Files handed over while the refusal alert shows must not start a run.
    if (m_launchRefused || urls.isEmpty())
        return;
    m_collaborators.model.processWhenIdle(urls);
}

void AppDelegate::reopen() {
    if (m_launchRefused || hasVisibleWindows())
        return;
    if (m_windowController)
        m_windowController->showWindow();
}

void AppDelegate::showLogWindow() {
    LogWindow::showLogWindow(m_collaborators.log, m_collaborators.desktop, &m_logWindow);
}

void AppDelegate::showAboutWindow() {
    AboutWindow::showAboutWindow(m_collaborators.desktop, &m_aboutWindow);
}

void AppDelegate::showLicenseAgreementWindow() {
    LicenseAgreementWindow::showLicenseAgreementWindow(&m_licenseAgreementWindow);
}

bool AppDelegate::verifyLaunchLocation() {
    const QString executable = m_executablePathOverride.value_or(LaunchLocation::executablePath());
    const QStringList folders =
        m_applicationsFoldersOverride.value_or(LaunchLocation::applicationsFolderPaths());
    if (LaunchLocation::isInApplicationsFolder(executable, folders))
        return true;

    m_launchRefused = true;
    const QString name = AppInfo::bundled().applicationName();
    QMessageBox alert(QMessageBox::Critical, QString(), qtTrId("launch.applications.title").arg(name));
    alert.setObjectName(QStringLiteral("launchLocationAlert"));
    alert.setInformativeText(qtTrId("launch.applications.message").arg(name));
    QPushButton* quit = alert.addButton(qtTrId("launch.applications.quit"), QMessageBox::AcceptRole);
    alert.setDefaultButton(quit);
    alert.setEscapeButton(quit);
    // Launching has nothing else to do until this is answered, so a blocking alert is right here.
    alert.exec();
    // Queued, so the exit also reaches an event loop that has not started yet.
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    return false;
}

void AppDelegate::setLaunchLocationForTesting(const QString& executablePath,
                                              const QStringList& applicationsFolders) {
    m_executablePathOverride = executablePath;
    m_applicationsFoldersOverride = applicationsFolders;
}

bool AppDelegate::hasVisibleWindows() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows) {
        const Qt::WindowType type = window->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen)
            continue;
        if (window->isVisible() && !window->isMinimized())
            return true;
    }
    return false;
}
