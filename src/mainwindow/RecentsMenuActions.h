#pragma once

#include <QObject>

class MainModel;

// The target of the recents menu's items. Each action returns at once and does its work on the
// next turn of the event loop, after the menu has closed.
class RecentsMenuActions final : public QObject {
    Q_OBJECT

public:
    explicit RecentsMenuActions(MainModel& model, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(RecentsMenuActions)

public slots:
    void showLast();
    void showLog();

signals:
    // The log window is the application's to show.
    void logRequested();

private:
    MainModel& m_model;
};
