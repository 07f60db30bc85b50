#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class DesktopNotifier;
class DesktopServices;
class MainModel;

// Tells the user that a run has ended while Balewick's window is not the one in front.
class RunNotice final : public QObject {
    Q_OBJECT

public:
    RunNotice(MainModel& model, DesktopNotifier& notifier, DesktopServices& desktop,
              QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(RunNotice)

    // The window whose activity decides; without one every run is announced.
    void setWindow(QWidget* window) { m_window = window; }

private:
    bool windowIsActive() const;
    void runFinished();

    MainModel& m_model;
    DesktopNotifier& m_notifier;
    DesktopServices& m_desktop;
    QPointer<QWidget> m_window;
    bool m_failed = false;
};
