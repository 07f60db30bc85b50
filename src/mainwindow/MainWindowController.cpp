#include "MainWindowController.h"

#include "MainView.h"
#include "platform/AppInfo.h"
#include "widgets/SymbolIcons.h"
#include "widgets/WindowPresentation.h"
#include "workflow/DesktopServices.h"
#include "workflow/MainModel.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

#include <memory>

namespace {

struct MenuSymbol {
    QAction* action;
    const char* themeName;
    const char* symbol;
};

// Each item gets the desktop theme's icon where it has one, else the bundled drawing in the menu's
// text colour. Looking through the icon theme is slow, so it waits until the menu first opens, and
// is done again only when the text colour has changed since (a switch to a dark theme).
void giveSymbolsWhenFirstShown(QMenu* menu, const QList<MenuSymbol>& symbols) {
    auto drawnIn = std::make_shared<QColor>();
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, symbols, drawnIn] {
        const QColor color = menu->palette().color(QPalette::WindowText);
        if (color == *drawnIn)
            return;
        *drawnIn = color;
        for (const MenuSymbol& item : symbols)
            item.action->setIcon(SymbolIcons::themed(QString::fromLatin1(item.themeName),
                                                     QString::fromLatin1(item.symbol), color));
    });
}

} // namespace

MainWindowController::MainWindowController(MainModel& model, AppPreferences& preferences, Dialogs& dialogs,
                                           DesktopServices& desktop, QWidget* parent)
    : QMainWindow(parent)
    , m_model(model)
    , m_desktop(desktop) {
    setObjectName(QStringLiteral("mainWindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(AppInfo::bundled().windowTitle());
    auto* view = new MainView(model, preferences, dialogs, desktop, this);
    connect(view, &MainView::settingsRequested, this, &MainWindowController::settingsRequested);
    connect(view, &MainView::logRequested, this, &MainWindowController::logRequested);
    setCentralWidget(view);
    buildMenus();

    // The sizes are the content's; the menu bar sits inside the window on this desktop.
    const int menuHeight = menuBar()->sizeHint().height();
    setMinimumSize(contentWidth, minimumContentHeight + menuHeight);
    resize(contentWidth, contentHeight + menuHeight);
    centreOnScreen();
}

void MainWindowController::showWindow() {
    WindowPresentation::bringToFront(*this);
}

std::optional<QUrl> MainWindowController::pageUrl(const QString& host, const QString& path) {
    return webPageUrl(host, path);
}

void MainWindowController::buildMenus() {
    QMenu* applicationMenu = menuBar()->addMenu(AppInfo::bundled().applicationName());
    applicationMenu->setObjectName(QStringLiteral("applicationMenu"));
    QAction* about =
        applicationMenu->addAction(qtTrId("about.menu"), this, &MainWindowController::aboutRequested);
    about->setObjectName(QStringLiteral("aboutAction"));
    about->setMenuRole(QAction::AboutRole);
    QAction* checkUpdates = applicationMenu->addAction(qtTrId("menu.checkUpdates"), this,
                                                       &MainWindowController::checkForUpdatesRequested);
    checkUpdates->setObjectName(QStringLiteral("checkUpdatesAction"));
    giveSymbolsWhenFirstShown(applicationMenu,
                              {{about, "help-about", "info-circle"},
                               {checkUpdates, "system-software-update", "arrow-down-circle"}});
    applicationMenu->addSeparator();
    QAction* settings =
        applicationMenu->addAction(qtTrId("menu.settings"), this, &MainWindowController::settingsRequested);
    settings->setObjectName(QStringLiteral("settingsAction"));
    settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    settings->setMenuRole(QAction::PreferencesRole);
    applicationMenu->addSeparator();
    QAction* quit =
        applicationMenu->addAction(qtTrId("menu.quit"), this, &MainWindowController::quitRequested);
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);

    QMenu* fileMenu = menuBar()->addMenu(qtTrId("menu.file"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    QAction* add = fileMenu->addAction(qtTrId("main.add"), this, [this] { m_model.addItems(); });
    add->setObjectName(QStringLiteral("addAction"));
    add->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    // Adding during a run would be refused anyway; say so by greying the item.
    add->setEnabled(!m_model.isBusy());
    connect(&m_model, &MainModel::isBusyChanged, add, [this, add] { add->setEnabled(!m_model.isBusy()); });

    QMenu* helpMenu = menuBar()->addMenu(qtTrId("menu.help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    QAction* help = helpMenu->addAction(qtTrId("help.app"), this,
                                        [this] { openPage(QStringLiteral("/support/balewick")); });
    help->setObjectName(QStringLiteral("helpAction"));
    help->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Question));
    QAction* support =
        helpMenu->addAction(qtTrId("help.support"), this, [this] { openPage(QStringLiteral("/support/")); });
    support->setObjectName(QStringLiteral("supportAction"));
    helpMenu->addSeparator();
    QAction* license =
        helpMenu->addAction(qtTrId("help.license"), this, &MainWindowController::licenseRequested);
    license->setObjectName(QStringLiteral("licenseAction"));
    helpMenu->addSeparator();
    QAction* site = helpMenu->addAction(qtTrId("help.site"), this, [this] { openPage(QStringLiteral("/")); });
    site->setObjectName(QStringLiteral("siteAction"));
    giveSymbolsWhenFirstShown(helpMenu, {{help, "help-browser", "questionmark-circle"},
                                         {support, "help-faq", "bubble-left"},
                                         {license, "accessories-dictionary", "book"},
                                         {site, "go-jump", "arrow-up-right"}});
}

void MainWindowController::openPage(const QString& path) {
    if (const std::optional<QUrl> url = pageUrl(webHost(), path))
        m_desktop.openUrl(*url);
}

void MainWindowController::centreOnScreen() {
    WindowPresentation::centreOnScreen(*this);
}
