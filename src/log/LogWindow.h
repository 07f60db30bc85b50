#pragma once

#include <QWidget>

#include <memory>

class ArchiveLogStore;
class DesktopServices;
class LogView;

// The window that lists every archive made. Closing it only hides it, so the same window comes
// back with its search text.
class LogWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr int contentWidth = 860;
    static constexpr int contentHeight = 320;
    static constexpr int minimumWidth = 640;
    static constexpr int minimumHeight = 220;

    // The store and the desktop are not owned; they must outlive the window.
    LogWindow(ArchiveLogStore& store, DesktopServices& desktop, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(LogWindow)

    LogView* view() const { return m_view; }

    // Brings back the window that `kept` holds, or makes one over `store`, centres it, shows it
    // and puts it in `kept`. Without a holder the new window is shown but not remembered, and goes
    // away once closed.
    static LogWindow* showLogWindow(ArchiveLogStore& store, DesktopServices& desktop,
                                    std::unique_ptr<LogWindow>* kept);

private:
    LogView* m_view;
};
