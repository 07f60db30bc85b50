#pragma once

#include <QWidget>

#include <memory>

class DesktopServices;

// The About window: fixed size, closable, and closed at once by Ctrl+W.
class AboutWindow final : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(DesktopServices& desktop, QWidget* parent = nullptr);

    // Brings the kept window forward, or makes one (kept in `*kept` when given).
    static AboutWindow* showAboutWindow(DesktopServices& desktop, std::unique_ptr<AboutWindow>* kept);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
