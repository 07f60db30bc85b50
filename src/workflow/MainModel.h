#pragma once

#include "ArchiveResult.h"
#include "engine/ArchiveAction.h"
#include "engine/ArchiveFormat.h"

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class AppPreferences;
class ArchiveBuilder;
class ArchiveLogStore;
class DesktopServices;
class Dialogs;
class NamePrompt;
class PasswordPrompt;
class ProgressClock;
class ProgressPresenter;
struct ReadBack;
struct RunPlan;
class StagedManifest;

// Drives a run from dropped items to archives and publishes what the main window shows.
// Lives on the main thread; every property is touched only there.
class MainModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isTargeted READ isTargeted WRITE setTargeted NOTIFY isTargetedChanged)
    Q_PROPERTY(bool isBusy READ isBusy NOTIFY isBusyChanged)
    Q_PROPERTY(QString progressText READ progressText NOTIFY progressTextChanged)
    Q_PROPERTY(std::optional<ArchiveResult> result READ result WRITE setResult NOTIFY resultChanged)

public:
    // Collaborators are not owned and must outlive the model; progress reads the time from `clock`.
    MainModel(AppPreferences& preferences, ArchiveLogStore& log, ArchiveBuilder& builder, Dialogs& dialogs,
              DesktopServices& desktop, const ProgressClock& clock, QObject* parent = nullptr);
    ~MainModel() override;
    Q_DISABLE_COPY_MOVE(MainModel)

    bool isTargeted() const;
    void setTargeted(bool value);
    bool isBusy() const;
    QString progressText() const;
    // The sheets a run awaits, and the progress display's figures.
    NamePrompt& namePrompt();
    PasswordPrompt& passwordPrompt();
    const ProgressPresenter& progress() const;
    std::optional<ArchiveResult> result() const;
    void setResult(const std::optional<ArchiveResult>& value);

    // Starts a run unless one is in progress (then the items are dropped silently).
    void process(const QList<QUrl>& urls);
    // Files opened with Balewick: a run now, or, while one is busy, a run of their own once the
    // runs before them have ended.
    void processWhenIdle(const QList<QUrl>& urls);
    int waitingRuns() const;
    // Asks for items in an open panel and processes them.
    QCoro::Task<> addItems();
    // Ends the run in progress: its prompt answers none, its copy and its tool stop, no archive follows.
    void stop();
    // Stop, and forget the runs that wait: Balewick is about to end.
    void stopAll();

    // Reveals the newest archive made, or explains why it can't.
    QCoro::Task<> showLastArchive();

    // Test hook: runs on the main thread just before an archive is read back.
    void setBeforeReadBack(std::function<void(const QString& archivePath)> hook);

signals:
    void isTargetedChanged();
    void isBusyChanged();
    void progressTextChanged();
    void resultChanged();
    // Emitted when a run has reached its end, whatever the outcome (for tests and windows).
    void runFinished();
    // Emitted when a run fails, with the alert's message, just before the alert shows.
    void runFailed(const QString& message);

private:
    QCoro::Task<> run(QList<QUrl> urls);
    QCoro::Task<> performRun(QList<QUrl> urls);
    // Checks the items and asks for what the run needs (a confirmation, the destination, the
    // password); none when the user declines or the run is stopped.
    QCoro::Task<std::optional<RunPlan>> prepareRun(QList<QUrl> urls);
    // Makes the archive of one group, reading it back when its originals may go; false when the run
    // ends there without a failure.
    QCoro::Task<bool> makeArchive(RunPlan plan, QList<QUrl> group);
    QCoro::Task<ReadBack> readArchiveBack(QUrl archiveURL, ArchiveFormat format, StagedManifest manifest);
    void endRun();
    void updateProgressText();

    void setBusy(bool value);
    void setProgressText(const QString& value);

    struct Private;
    std::unique_ptr<Private> d;
};
