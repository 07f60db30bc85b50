#include "MainModel.h"

#include "ArchiveJob.h"
#include "DesktopServices.h"
#include "Dialogs.h"
#include "ItemCheck.h"
#include "NamePrompt.h"
#include "NonDumpableScope.h"
#include "PasswordPrompt.h"
#include "ProgressClock.h"
#include "ProgressPresenter.h"
#include "RunFollowUp.h"
#include "RunPlan.h"
#include "engine/ArchiveBuilder.h"
#include "engine/CancellationToken.h"
#include "engine/CompressionError.h"
#include "engine/LocalPath.h"
#include "engine/PlatformError.h"
#include "engine/ProcessReads.h"
#include "engine/RunProgress.h"
#include "engine/SecretWipe.h"
#include "persistence/AppPreferences.h"
#include "persistence/ArchiveLogStore.h"

#include <QCoroFuture>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent>

#include <exception>

namespace {

// Published fields change, and announce it, only when the value really differs.
template <typename T> void assign(MainModel* model, T& field, const T& value, void (MainModel::*changed)()) {
    if (field == value)
        return;
    field = value;
    emit(model->*changed)();
}

QString progressTextFor(const QList<QUrl>& group, const QString& name) {
    if (group.size() == 1)
        return qtTrId("progress.archivingItem").arg(ItemCheck::itemName(group.first()), name);
    return qtTrId("progress.archivingItems").arg(QString::number(group.size()), name);
}

} // namespace

struct MainModel::Private {
    Private(AppPreferences& preferences, ArchiveLogStore& log, ArchiveBuilder& builder, Dialogs& dialogs,
            DesktopServices& desktop, const ProgressClock& clock)
        : preferences(preferences)
        , builder(builder)
        , dialogs(dialogs)
        , desktop(desktop)
        , followUp(preferences, log)
        , progress(clock, [this]() -> std::optional<qint64> {
            const int processId = progress.runProgress()->processId;
            return processId > 0 ? ProcessReads::bytesRead(processId) : std::nullopt;
        }) {}

    AppPreferences& preferences;
    ArchiveBuilder& builder;
    Dialogs& dialogs;
    DesktopServices& desktop;
    std::function<void(const QString&)> beforeReadBack;

    bool isTargeted = false;
    bool isBusy = false;
    QString progressText;
    std::optional<ArchiveResult> result;
    // The run's copy of the accepted password (its jobs share it), and the process kept from being
    // dumped from the moment a password can be typed until that copy is wiped.
    std::optional<QString> runPassword;
    std::optional<NonDumpableScope> passwordHeld;
    RunFollowUp followUp;

    std::optional<QCoro::Task<>> work;
    // Cancelled by stop(); each run has its own, so a late stop never reaches the next run.
    CancellationToken cancellation;
    // Items opened while a run was busy, one run each, in the order they came.
    QList<QList<QUrl>> waiting;
    QString archivingText; // the progress line without the waiting runs
    ProgressPresenter progress;
    // The archive's worker runs in a pool of its own: Qt draws with the global pool's threads, and
    // on a single core a job holding its only thread would freeze the window until the job ends.
    QThreadPool workers;
    NamePrompt namePrompt;
    PasswordPrompt passwordPrompt;
};

MainModel::MainModel(AppPreferences& preferences, ArchiveLogStore& log, ArchiveBuilder& builder,
                     Dialogs& dialogs, DesktopServices& desktop, const ProgressClock& clock, QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Private>(preferences, log, builder, dialogs, desktop, clock)) {}

MainModel::~MainModel() = default;

bool MainModel::isTargeted() const {
    return d->isTargeted;
}

void MainModel::setTargeted(bool value) {
    assign(this, d->isTargeted, value, &MainModel::isTargetedChanged);
}

bool MainModel::isBusy() const {
    return d->isBusy;
}

void MainModel::setBusy(bool value) {
    value ? d->progress.begin() : d->progress.end();
    assign(this, d->isBusy, value, &MainModel::isBusyChanged);
}

QString MainModel::progressText() const {
    return d->progressText;
}

void MainModel::setProgressText(const QString& value) {
    assign(this, d->progressText, value, &MainModel::progressTextChanged);
}

NamePrompt& MainModel::namePrompt() {
    return d->namePrompt;
}

PasswordPrompt& MainModel::passwordPrompt() {
    return d->passwordPrompt;
}

const ProgressPresenter& MainModel::progress() const {
    return d->progress;
}

std::optional<ArchiveResult> MainModel::result() const {
    return d->result;
}

void MainModel::setResult(const std::optional<ArchiveResult>& value) {
    assign(this, d->result, value, &MainModel::resultChanged);
}

void MainModel::setBeforeReadBack(std::function<void(const QString& archivePath)> hook) {
    d->beforeReadBack = std::move(hook);
}

void MainModel::process(const QList<QUrl>& urls) {
    if (d->isBusy)
        return;
    d->cancellation.cancel();
    d->cancellation = CancellationToken();
    // The previous run has ended (it is not busy), so replacing its task frees only a finished frame.
    d->work.emplace(run(urls));
}

QCoro::Task<> MainModel::addItems() {
    QPointer<MainModel> guard(this);
    const QList<QUrl> urls = co_await d->dialogs.chooseItems(qtTrId("main.add"));
    if (!guard || urls.isEmpty())
        co_return;
    process(urls);
}

void MainModel::processWhenIdle(const QList<QUrl>& urls) {
    if (!d->isBusy) {
        process(urls);
        return;
    }
    d->waiting.append(urls);
    updateProgressText();
}

int MainModel::waitingRuns() const {
    return int(d->waiting.size());
}

void MainModel::stopAll() {
    d->waiting.clear();
    updateProgressText();
    stop();
}

void MainModel::stop() {
    // Whoever works for the run (a waiting prompt, the copy, the tool, the read-back) stops on the token.
    d->cancellation.cancel();
}

QCoro::Task<> MainModel::run(QList<QUrl> urls) {
    QPointer<MainModel> guard(this);
    std::optional<QString> errorMessage;
    try {
        co_await performRun(urls);
    } catch (const CompressionError& error) {
        if (error.kind() != CompressionError::Kind::cancelled)
            errorMessage = error.errorDescription();
    } catch (const PlatformError& error) {
        errorMessage = error.errorDescription();
    } catch (...) {
        errorMessage = qtTrId("error.failed");
    }
    if (!guard)
        co_return;
    // The run is over, alert or not: nothing needs the password any more.
    wipe(d->runPassword);
    d->passwordHeld.reset();
    if (errorMessage) {
        emit runFailed(*errorMessage);
        try {
            co_await d->dialogs.showError(qtTrId("error.title"), *errorMessage);
        } catch (...) {
            // An alert that cannot be shown must not keep the run from ending.
        }
        if (!guard)
            co_return;
    }
    endRun();
    emit runFinished();
}

QCoro::Task<> MainModel::performRun(QList<QUrl> urls) {
    QPointer<MainModel> guard(this);
    const CancellationToken cancellation = d->cancellation;
    setBusy(true);
    setResult(std::nullopt);
    d->followUp.begin();

    const std::optional<RunPlan> plan = co_await prepareRun(urls);
    if (!guard || !plan)
        co_return;
    for (const QList<QUrl>& group : plan->groups) {
        if (cancellation.isCancelled())
            co_return;
        const bool made = co_await makeArchive(*plan, group);
        if (!guard || !made)
            co_return;
    }
    std::optional<ArchiveResult> result =
        co_await d->followUp.runCompleted(plan->action, d->dialogs, d->desktop, cancellation);
    if (!guard)
        co_return;
    setResult(result);
}

QCoro::Task<std::optional<RunPlan>> MainModel::prepareRun(QList<QUrl> urls) {
    QPointer<MainModel> guard(this);
    std::optional<RunPlan> plan =
        co_await RunPlan::prepare(d->preferences, d->dialogs, urls, d->cancellation);
    if (!guard || !plan)
        co_return std::nullopt;
    d->runPassword = QString();
    if (isEncrypted(plan->format)) {
        d->passwordHeld.emplace();
        std::optional<QString> answer = co_await d->passwordPrompt.ask(d->cancellation.token());
        if (!guard)
            co_return std::nullopt;
        d->runPassword = std::move(answer);
    }
    if (!d->runPassword)
        co_return std::nullopt;
    co_return plan;
}

QCoro::Task<bool> MainModel::makeArchive(RunPlan plan, QList<QUrl> group) {
    QPointer<MainModel> guard(this);
    const CancellationToken cancellation = d->cancellation;
    AppPreferences& preferences = d->preferences;
    const ArchiveAction action = plan.action;
    const ArchiveFormat format = plan.format;
    const QUrl& folder = plan.folder;
    const std::optional<QString>& password = d->runPassword;

    QString name = ArchiveBuilder::defaultArchiveName(group, action);
    if (preferences.promptForName() && !preferences.individualArchives()) {
        const std::optional<QString> chosen = co_await d->namePrompt.ask(name, cancellation.token());
        if (!guard || !chosen)
            co_return false;
        name = *chosen;
    }
    d->archivingText = progressTextFor(group, name);
    updateProgressText();

    const bool keepEverything = action == ArchiveAction::archive;
    ArchiveJob job{{.items = group,
                    .volumeName = name,
                    .format = format,
                    .password = password,
                    .omitFinderFiles = !keepEverything && preferences.omitFinderFiles(),
                    .omitMacMetadata = !keepEverything && preferences.omitMacMetadata()},
                   folder,
                   cancellation,
                   d->progress.runProgress()};
    QFuture<ArchiveJob::Outcome> archiving =
        QtConcurrent::run(&d->workers, &ArchiveJob::perform, &d->builder, std::move(job));
    const ArchiveJob::Outcome outcome = co_await archiving;
    if (!guard)
        co_return false;
    if (outcome.failure)
        std::rethrow_exception(outcome.failure);
    d->progress.complete();

    // The originals go only once their archive has been read back in full.
    if (!preferences.trashOriginals()) {
        d->followUp.archiveCompleted(outcome.archiveURL, format);
        co_return true;
    }
    const ReadBack readBack = co_await readArchiveBack(outcome.archiveURL, format, outcome.manifest);
    if (!guard)
        co_return false;
    d->followUp.archiveCompleted(outcome.archiveURL, format);
    if (readBack.result == ReadBack::Result::failed) {
        // The archive was made and stays; its items stay where they are.
        if (cancellation.isCancelled())
            co_return false;
        throw CompressionError::toolFailed(
            qtTrId("error.verifyFailed").arg(outcome.archiveURL.fileName(), readBack.reason));
    }
    d->followUp.trashOriginals(outcome.archiveURL, group, outcome.manifest.items(), d->desktop);
    co_return true;
}

QCoro::Task<ReadBack> MainModel::readArchiveBack(QUrl archiveURL, ArchiveFormat format,
                                                 StagedManifest manifest) {
    const CancellationToken cancellation = d->cancellation;
    const std::optional<QString>& password = d->runPassword;
    d->archivingText = qtTrId("progress.verifying").arg(archiveURL.fileName());
    updateProgressText();
    if (d->beforeReadBack)
        d->beforeReadBack(LocalPath::display(LocalPath::fromUrl(archiveURL)));
    QFuture<ReadBack> reading =
        QtConcurrent::run(&d->workers, &ArchiveJob::readBack, archiveURL, format, manifest, password,
                          cancellation, d->progress.runProgress());
    co_return co_await reading;
}

void MainModel::endRun() {
    setBusy(false);
    d->archivingText.clear();
    setProgressText(QString());
    // Later, from the event loop: this run's own task is still finishing and must not be replaced.
    if (!d->waiting.isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            if (!d->isBusy && !d->waiting.isEmpty())
                process(d->waiting.takeFirst());
        });
    }
}

void MainModel::updateProgressText() {
    if (d->waiting.isEmpty() || !d->isBusy) {
        setProgressText(d->archivingText);
        return;
    }
    const QString waiting = qtTrId("progress.waiting").arg(d->waiting.size());
    setProgressText(d->archivingText.isEmpty() ? waiting : d->archivingText + u'\n' + waiting);
}

QCoro::Task<> MainModel::showLastArchive() {
    return d->followUp.showLastArchive(d->dialogs, d->desktop);
}
