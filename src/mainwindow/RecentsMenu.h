#pragma once

#include <QPoint>

class QMenu;
class QWidget;
class RecentsMenuActions;

// The bottom bar's pop-up of recent archives, built anew for every click.
namespace RecentsMenu {

// A menu whose items go to `actions`; it deletes itself once closed.
QMenu* build(RecentsMenuActions& actions, QWidget* parent);
// Builds the menu and pops it up at a screen position.
QMenu* popUp(RecentsMenuActions& actions, QWidget* parent, const QPoint& globalPosition);

} // namespace RecentsMenu
