#include "WindowPresentation.h"

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

} // namespace WindowPresentation
