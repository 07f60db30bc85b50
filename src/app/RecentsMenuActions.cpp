#include "RecentsMenuActions.h"

#include "AppDelegate.h"
#include "log/LogWindow.h"
#include "workflow/MainModel.h"

#include <QTimer>

RecentsMenuActions::RecentsMenuActions(MainModel& model, DesktopServices& desktop, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_desktop(desktop) {}

void RecentsMenuActions::showLast() {
    QTimer::singleShot(0, this, [this] { m_model.showLastArchive(); });
}

void RecentsMenuActions::showLog() {
    QTimer::singleShot(0, this, [this] {
        if (AppDelegate* delegate = AppDelegate::current())
            delegate->showLogWindow();
        else
            LogWindow::showLogWindow(m_desktop, nullptr);
    });
}
