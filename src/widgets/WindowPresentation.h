#pragma once

#include <QWidget>

#include <memory>

namespace WindowPresentation {

// Shows a kept window again in front of the others, restoring it when it was minimised.
void bringToFront(QWidget& window);
// Moves a window to the middle of its screen's free area, where the window system lets it.
void centreOnScreen(QWidget& window);

// A window made once and kept: brings `*kept` forward, or makes one with `make()`, centres and
// shows it, and keeps it in `*kept`; without a keeper the window deletes itself when closed.
template <typename Window, typename Make> Window* showKept(std::unique_ptr<Window>* kept, Make make) {
    if (kept && *kept) {
        bringToFront(**kept);
        return kept->get();
    }
    Window* window = make();
    centreOnScreen(*window);
    bringToFront(*window);
    if (kept)
        kept->reset(window);
    else
        window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

} // namespace WindowPresentation
