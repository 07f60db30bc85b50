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
class ProgressClock;
struct StagedItem;

// Drives a run from dropped items to archives and publishes what the main window shows.
// Lives on the main thread; every property is touched only there.
class MainModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isTargeted READ isTargeted WRITE setTargeted NOTIFY isTargetedChanged)
    Q_PROPERTY(bool isBusy READ isBusy NOTIFY isBusyChanged)
    Q_PROPERTY(QString progressText READ progressText NOTIFY progressTextChanged)
    Q_PROPERTY(bool showNameSheet READ showNameSheet NOTIFY showNameSheetChanged)
    Q_PROPERTY(QString proposedName READ proposedName WRITE setProposedName NOTIFY proposedNameChanged)
    Q_PROPERTY(bool showPasswordSheet READ showPasswordSheet NOTIFY showPasswordSheetChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY passwordChanged)
    Q_PROPERTY(
        QString confirmPassword READ confirmPassword WRITE setConfirmPassword NOTIFY confirmPasswordChanged)
    Q_PROPERTY(QString passwordError READ passwordError NOTIFY passwordErrorChanged)
    Q_PROPERTY(bool showProgress READ showProgress NOTIFY showProgressChanged)
    Q_PROPERTY(int progressPercent READ progressPercent NOTIFY progressFiguresChanged)
    Q_PROPERTY(QString progressAmount READ progressAmount NOTIFY progressFiguresChanged)
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
    bool showNameSheet() const;
    QString proposedName() const;
    void setProposedName(const QString& value);
    bool showPasswordSheet() const;
    QString password() const;
    void setPassword(const QString& value);
    QString confirmPassword() const;
    void setConfirmPassword(const QString& value);
    QString passwordError() const;
    bool showProgress() const;
    // How far the step in progress has got, 0 to 100, or -1 while that is unknown (the bar then
    // runs without a figure); and the same as text with the time left ("42 % · about 2 min left").
    int progressPercent() const;
    QString progressAmount() const;
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
    // Ends the run in progress: terminates its tool, cancels it between archives, releases prompts.
    void stop();
    // Stop, and forget the runs that wait: Balewick is about to end.
    void stopAll();

    void submitName();
    void cancelName();
    void submitPassword();
    void cancelPassword();

    // Reveals the newest archive made, or explains why it can't.
    QCoro::Task<> showLastArchive();

    // Test hook: runs on the main thread just before an archive is read back.
    void setBeforeReadBack(std::function<void(const QString& archivePath)> hook);

signals:
    void isTargetedChanged();
    void isBusyChanged();
    void progressTextChanged();
    void showNameSheetChanged();
    void proposedNameChanged();
    void showPasswordSheetChanged();
    void passwordChanged();
    void confirmPasswordChanged();
    void passwordErrorChanged();
    void showProgressChanged();
    void progressFiguresChanged();
    void resultChanged();
    // Emitted when a run has reached its end, whatever the outcome (for tests and windows).
    void runFinished();
    // Emitted when a run fails, with the alert's message, just before the alert shows.
    void runFailed(const QString& message);

private:
    enum class Prompt { name, password };

    QCoro::Task<> run(QList<QUrl> urls);
    QCoro::Task<> performRun(QList<QUrl> urls);
    QCoro::Task<std::optional<QString>> askName();
    QCoro::Task<std::optional<QString>> askPassword(ArchiveFormat format);
    void resolvePrompt(const std::optional<QString>& value, Prompt prompt);
    // `mayTrash`: the Trash option was on and the archive read back correctly; `staged` tells,
    // item by item, what staging took.
    void archiveCompleted(const QUrl& archiveURL, const QList<QUrl>& items, ArchiveFormat format,
                          const QList<StagedItem>& staged, bool mayTrash);
    void runCompleted(const QList<QUrl>& results, ArchiveAction action);
    void endRun();
    void updateProgressText();

    void setBusy(bool value);
    void setProgressText(const QString& value);
    void setShowNameSheet(bool value);
    void setShowPasswordSheet(bool value);
    void setPasswordError(const QString& value);

    struct Private;
    std::unique_ptr<Private> d;
};
