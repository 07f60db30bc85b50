#include "AppDelegate.h"

#include "LaunchLocation.h"
#include "MainWindowController.h"
#include "about/AboutWindow.h"
#include "about/LicenseAgreementWindow.h"
#include "log/LogWindow.h"
#include "persistence/AppPreferences.h"
#include "platform/AppInfo.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsView.h"
#include "settings/UpdatesSettingsView.h"
#include "updates/VersionChecker.h"
#include "workflow/MainModel.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

QPointer<AppDelegate> currentDelegate;

} // namespace

AppDelegate::AppDelegate(Dialogs& dialogs, DesktopServices& desktop, QObject* parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_desktop(desktop) {}

AppDelegate::~AppDelegate() = default;

AppDelegate* AppDelegate::current() {
    return currentDelegate.data();
}

bool AppDelegate::applicationDidFinishLaunching() {
    currentDelegate = this;
    if (!verifyLaunchLocation())
        return false;
    m_windowController = std::make_unique<MainWindowController>(MainModel::shared(), AppPreferences::shared(),
                                                                m_dialogs, m_desktop);
    connect(m_windowController.get(), &MainWindowController::checkForUpdatesRequested, this,
            [this] { versionChecker().checkForUpdates(true); });
    connect(m_windowController.get(), &MainWindowController::settingsRequested, this,
            &AppDelegate::showSettingsWindow);
    connect(m_windowController.get(), &MainWindowController::aboutRequested, this,
            &AppDelegate::showAboutWindow);
    connect(m_windowController.get(), &MainWindowController::licenseRequested, this,
            &AppDelegate::showLicenseAgreementWindow);
    connect(m_windowController.get(), &MainWindowController::quitRequested, this,
            &AppDelegate::quitRequested);
    m_windowController->showWindow();
    // With automatic checks off, no checker is made and nothing reaches the network.
    if (AppPreferences::shared().autoCheckForUpdates())
        versionChecker().checkForUpdates(false);
    return true;
}

VersionChecker& AppDelegate::versionChecker() {
    if (!m_versionChecker)
        m_versionChecker = new VersionChecker(AppPreferences::shared(), m_desktop, this);
    return *m_versionChecker;
}

void AppDelegate::showPreferences() {
    QTimer::singleShot(0, this, &AppDelegate::openSettingsWindow);
}

void AppDelegate::openSettingsWindow() {
    if (!openSettingsFromMenu())
        showSettingsWindow();
}

void AppDelegate::showSettings(SettingsTab tab) {
    SettingsModel& model = SettingsModel::shared();
    model.setPendingTab(tab);
    model.setSelectedTab(tab);
    openSettingsWindow();
    // Once more after the window has settled, in case showing it restored another pane.
    QTimer::singleShot(200, &model, [&model, tab] { model.setSelectedTab(tab); });
}

bool AppDelegate::openSettingsFromMenu() {
    if (!m_windowController)
        return false;
    const QList<QAction*> menus = m_windowController->menuBar()->actions();
    if (menus.isEmpty() || !menus.constFirst()->menu())
        return false;
    const QKeySequence settingsShortcut(Qt::CTRL | Qt::Key_Comma);
    for (QAction* item : menus.constFirst()->menu()->actions()) {
        if (item->shortcut() == settingsShortcut && item->isEnabled()) {
            item->trigger();
            return true;
        }
    }
    return false;
}

void AppDelegate::showSettingsWindow() {
    if (!m_settingsWindow) {
        m_settingsWindow = std::make_unique<SettingsView>(SettingsModel::shared(), AppPreferences::shared());
        UpdatesSettingsView* pane = m_settingsWindow->updatesPane();
        connect(pane, &UpdatesSettingsView::checkRequested, this,
                [this] { versionChecker().checkForUpdates(true); });
        // The pane hears every check, also those begun before the window existed.
        connect(&versionChecker(), &VersionChecker::versionCheckDidFinish, pane,
                &UpdatesSettingsView::versionCheckDidFinish);
    }
    if (m_settingsWindow->isMinimized())
        m_settingsWindow->showNormal();
    else
        m_settingsWindow->show();
    m_settingsWindow->raise();
    m_settingsWindow->activateWindow();
}

void AppDelegate::openUrls(const QList<QUrl>& urls) {
    // Files handed over while the refusal alert shows must not start a run.
    if (m_launchRefused || urls.isEmpty())
        return;
    MainModel::shared().processWhenIdle(urls);
}

void AppDelegate::reopen() {
    if (m_launchRefused || hasVisibleWindows())
        return;
    if (m_windowController)
        m_windowController->showWindow();
}

void AppDelegate::showLogWindow() {
    LogWindow::showLogWindow(m_desktop, &m_logWindow);
}

void AppDelegate::showAboutWindow() {
    AboutWindow::showAboutWindow(m_desktop, &m_aboutWindow);
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
