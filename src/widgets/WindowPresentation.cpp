#include "WindowPresentation.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace WindowPresentation {

void bringToFront(QWidget& window) {
    if (window.isMinimized())
        window.showNormal();
    else
        window.show();
    window.raise();
    window.activateWindow();
}

void centreOnScreen(QWidget& window) {
    // A Wayland client cannot place its windows; the compositor centres a new one itself.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    const QScreen* target = window.screen();
    if (!target)
        return;
    QRect frame = window.geometry();
    frame.moveCenter(target->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace WindowPresentation
