#pragma once

#include <QObject>

class DesktopServices;
class MainModel;

// The target of the recents menu's items. Each action returns at once and does its work on the
// next turn of the event loop, after the menu has closed.
class RecentsMenuActions final : public QObject {
    Q_OBJECT

public:
    // The desktop serves a log window opened before the delegate exists (tests do that).
    RecentsMenuActions(MainModel& model, DesktopServices& desktop, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(RecentsMenuActions)

public slots:
    void showLast();
    void showLog();

private:
    MainModel& m_model;
    DesktopServices& m_desktop;
};
