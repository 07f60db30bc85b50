#include "WindowPresentation.h"

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
    const QScreen* target = window.screen();
    if (!target)
        return;
    QRect frame = window.geometry();
    frame.moveCenter(target->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace WindowPresentation
