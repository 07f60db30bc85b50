#pragma once

class QWidget;

namespace WindowPresentation {

// Shows a kept window again in front of the others, restoring it when it was minimised.
void bringToFront(QWidget& window);
// Moves a window to the middle of its screen's free area.
void centreOnScreen(QWidget& window);

} // namespace WindowPresentation
