#include "AppDelegate.h"

#include "LaunchLocation.h"
#include "MainWindowController.h"
#include "log/LogWindow.h"
#include "persistence/AppPreferences.h"
#include "platform/AppInfo.h"
#include "workflow/MainModel.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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
    m_windowController->showWindow();
    return true;
}

void AppDelegate::openUrls(const QList<QUrl>& urls) {
    // Files handed over while the refusal alert shows must not start a run.
    if (m_launchRefused || urls.isEmpty())
        return;
    MainModel::shared().process(urls);
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
