#include "BalewickApp.h"

#include "AppDelegate.h"
#include "CommandLineFiles.h"
#include "GracefulExit.h"
#include "MainWindowController.h"
#include "RunNotice.h"
#include "SingleInstance.h"
#include "Translations.h"
#include "WidgetDialogs.h"
#include "engine/LeftoverSweep.h"
#include "platform/AppInfo.h"
#include "platform/FreedesktopNotifier.h"
#include "platform/LinuxDesktopServices.h"
#include "workflow/MainModel.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

namespace BalewickApp {

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    const AppInfo info = AppInfo::bundled();
    QApplication::setOrganizationName(QStringLiteral("Balewick"));
    QApplication::setApplicationName(QStringLiteral("Balewick"));
    // No display name: the desktop would append it to every window's title. The main window names
    // itself.
    QApplication::setApplicationVersion(info.shortVersion.value_or(QString()));
    // The installed desktop entry's name, so that docks and Wayland match the window to it.
    QApplication::setDesktopFileName(QStringLiteral("example.balewick.Balewick"));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("balewick"), QIcon(QStringLiteral(":/icons/balewick.svg"))));
    // Balewick stays running with its window closed; launching it again brings the window back.
    QApplication::setQuitOnLastWindowClosed(false);
    Translations::install(application);

    // The shared model keeps these until the process ends, so they are never destroyed.
    auto* dialogs = new WidgetDialogs;
    auto* desktop = new LinuxDesktopServices;
    MainModel::installPorts(*dialogs, *desktop);
    AppDelegate delegate(*dialogs, *desktop);
    // A refused launch ends before it can take the socket from, or hand files to, anyone.
    if (!delegate.verifyLaunchLocation())
        return 1;

    GracefulExit::catchTerminationSignals();

    // argv itself, which QApplication has cleared of its own options: its arguments() are decoded
    // text, where a name that is not UTF-8 would lose bytes.
    QByteArrayList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QByteArray(argv[index]));
    const QList<QUrl> files = CommandLineFiles::fileUrls(arguments, CommandLineFiles::workingDirectory());
    SingleInstance instance(SingleInstance::defaultServerName());
    if (instance.claim(files) == SingleInstance::Role::HandedOff)
        return 0;
    // Only the one instance that owns the socket may take an earlier crash's leftovers for its own.
    if (instance.isListening())
        LeftoverSweep::run();

    GracefulExit gracefulExit(MainModel::shared(), *dialogs);
    QObject::connect(&delegate, &AppDelegate::quitRequested, &gracefulExit,
                     [&gracefulExit] { gracefulExit.quit(); });
    QObject::connect(&instance, &SingleInstance::filesOpened, &delegate, &AppDelegate::openUrls);
    QObject::connect(&instance, &SingleInstance::reopenRequested, &delegate, &AppDelegate::reopen);
    FreedesktopNotifier notifier;
    RunNotice notice(MainModel::shared(), notifier, *desktop);
    QTimer::singleShot(0, &delegate, [&delegate, &notice, files] {
        if (!delegate.applicationDidFinishLaunching())
            return;
        notice.setWindow(delegate.windowController());
        delegate.openUrls(files);
    });
    return QApplication::exec();
}

} // namespace BalewickApp
