#include "BalewickApp.h"

#include "AppDelegate.h"
#include "CommandLineFiles.h"
#include "GracefulExit.h"
#include "RunNotice.h"
#include "SingleInstance.h"
#include "Translations.h"
#include "WidgetDialogs.h"
#include "engine/ArchiveBuilder.h"
#include "engine/LeftoverSweep.h"
#include "mainwindow/MainWindowController.h"
#include "persistence/AppPreferences.h"
#include "persistence/ArchiveLogStore.h"
#include "platform/AppInfo.h"
#include "platform/FreedesktopNotifier.h"
#include "platform/LinuxDesktopServices.h"
#include "settings/SettingsModel.h"
#include "workflow/MainModel.h"
#include "workflow/ProgressClock.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QTimer>

namespace BalewickApp {

namespace {

void describeApplication(QApplication& application) {
    const AppInfo info = AppInfo::bundled();
    QApplication::setOrganizationName(QStringLiteral("Balewick"));
    QApplication::setApplicationName(QStringLiteral("Balewick"));
    // No display name: the desktop would append it to every window's title. The main window names
    // itself.
    QApplication::setApplicationVersion(info.shortVersion.value_or(QString()));
    // The installed desktop entry's name, so that docks and Wayland match the window to it.
    QApplication::setDesktopFileName(QStringLiteral("example.balewick.Balewick"));
    // Without a desktop icon theme the theme's icon would be the one installed from this very file,
    // found only after a thousand file look-ups.
    const QIcon bundled(QStringLiteral(":/icons/balewick.svg"));
    const QString theme = QIcon::themeName();
    QApplication::setWindowIcon(theme.isEmpty() || theme == QLatin1String("hicolor")
                                    ? bundled
                                    : QIcon::fromTheme(QStringLiteral("balewick"), bundled));
    // Balewick stays running with its window closed; launching it again brings the window back.
    QApplication::setQuitOnLastWindowClosed(false);
    Translations::install(application);
}

// argv itself, which QApplication has cleared of its own options: its arguments() are decoded
// text, where a name that is not UTF-8 would lose bytes.
QList<QUrl> commandLineFiles(int argc, char** argv) {
    QByteArrayList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QByteArray(argv[index]));
    return CommandLineFiles::fileUrls(arguments, CommandLineFiles::workingDirectory());
}

} // namespace

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    describeApplication(application);

    // Everything the windows and the workflow share, made once here and handed down; it lives until
    // the event loop has ended.
    QSettings settings(QStringLiteral("Balewick"), QStringLiteral("Balewick"));
    AppPreferences preferences(&settings);
    ArchiveLogStore log(&settings);
    SettingsModel settingsModel(settings);
    ArchiveBuilder builder;
    WidgetDialogs dialogs;
    LinuxDesktopServices desktop;
    MainModel model(preferences, log, builder, dialogs, desktop, ProgressClock::steady());
    AppDelegate delegate({preferences, log, model, settingsModel, dialogs, desktop});
    // A refused launch ends before it can take the socket from, or hand files to, anyone.
    if (!delegate.verifyLaunchLocation())
        return 1;

    GracefulExit::catchTerminationSignals();
    const QList<QUrl> files = commandLineFiles(argc, argv);
    SingleInstance instance(SingleInstance::defaultServerName());
    if (instance.claim(files) == SingleInstance::Role::HandedOff)
        return 0;
    // Only the one instance that owns the socket may take an earlier crash's leftovers for its own.
    if (instance.isListening())
        LeftoverSweep::run();

    GracefulExit gracefulExit(model, dialogs);
    QObject::connect(&delegate, &AppDelegate::quitRequested, &gracefulExit,
                     [&gracefulExit] { gracefulExit.quit(); });
    QObject::connect(&instance, &SingleInstance::filesOpened, &delegate, &AppDelegate::openUrls);
    QObject::connect(&instance, &SingleInstance::reopenRequested, &delegate, &AppDelegate::reopen);
    FreedesktopNotifier notifier;
    RunNotice notice(model, notifier, desktop);
    QTimer::singleShot(0, &delegate, [&application, &delegate, &dialogs, &notice, files] {
        if (!delegate.applicationDidFinishLaunching())
            return;
        dialogs.setMainWindow(delegate.windowController());
        notice.setWindow(delegate.windowController());
        delegate.openUrls(files);
        QTimer::singleShot(0, &application, [&application] { Translations::installQt(application); });
    });
    return QApplication::exec();
}

} // namespace BalewickApp
