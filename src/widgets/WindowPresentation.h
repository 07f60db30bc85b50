#pragma once

class QWidget;

namespace WindowPresentation {

// Shows a kept window again in front of the others, restoring it when it was minimised.
void bringToFront(QWidget& window);

} // namespace WindowPresentation
