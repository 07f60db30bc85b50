#pragma once

#include <QCoroTask>
#include <QObject>

class Dialogs;
class MainModel;
class QSocketNotifier;

// Ends Balewick without leaving a run half-done: the run in progress is stopped as Stop does, its
// clean-up may finish (for a bounded time), then the application exits. Quit asks first while a
// run is busy; SIGTERM (a logout), SIGHUP and SIGINT do not ask.
class GracefulExit final : public QObject {
    Q_OBJECT

public:
    GracefulExit(MainModel& model, Dialogs& dialogs, QObject* parent = nullptr);
    ~GracefulExit() override;
    Q_DISABLE_COPY_MOVE(GracefulExit)

    // From now on SIGTERM, SIGHUP and SIGINT wait, harmlessly, for a GracefulExit to turn them
    // into exit() on the event loop. Once per process, early.
    static void catchTerminationSignals();

    // The Quit command: asks ("quit.busy.title") while a run is busy, then exits.
    QCoro::Task<> quit();
    // Stops everything and exits once the run has cleaned up, or after the clean-up limit.
    void exit();

private:
    void readSignal();

    MainModel& m_model;
    Dialogs& m_dialogs;
    QSocketNotifier* m_notifier = nullptr;
    bool m_exiting = false;
};
