#include "RecentsMenu.h"

#include "RecentsMenuActions.h"

#include <QMenu>

namespace RecentsMenu {

QMenu* build(RecentsMenuActions& actions, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("recentsMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* showLast = menu->addAction(qtTrId("menu.showLast"));
    showLast->setObjectName(QStringLiteral("menu.showLast"));
    QObject::connect(showLast, &QAction::triggered, &actions, &RecentsMenuActions::showLast);
    QAction* showLog = menu->addAction(qtTrId("menu.showLog"));
    showLog->setObjectName(QStringLiteral("menu.showLog"));
    QObject::connect(showLog, &QAction::triggered, &actions, &RecentsMenuActions::showLog);
    return menu;
}

QMenu* popUp(RecentsMenuActions& actions, QWidget* parent, const QPoint& globalPosition) {
    QMenu* menu = build(actions, parent);
    menu->popup(globalPosition);
    return menu;
}

} // namespace RecentsMenu
