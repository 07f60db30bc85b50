#include "MainModel.h"

#include "ArchiveJob.h"
#include "DesktopServices.h"
#include "DestinationResolver.h"
#include "Dialogs.h"
#include "ItemCheck.h"
#include "NonDumpableScope.h"
#include "ProgressClock.h"
#include "ProgressPresenter.h"
#include "PromptContinuation.h"
#include "engine/ArchiveBuilder.h"
#include "engine/CancellationToken.h"
#include "engine/CompressionError.h"
#include "engine/FormatDescription.h"
#include "engine/LocalPath.h"
#include "engine/PlatformError.h"
#include "engine/ProcessReads.h"
#include "engine/RunProgress.h"
#include "engine/SecretWipe.h"
#include "engine/StagedItem.h"
#include "persistence/AppPreferences.h"
#include "persistence/ArchiveLogStore.h"

#include <QCoroFuture>
#include <QFileInfo>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent>

#include <exception>

namespace {

using namespace std::chrono_literals;

// Published fields change, and announce it, only when the value really differs.
template <typename T> void assign(MainModel* model, T& field, const T& value, void (MainModel::*changed)()) {
    if (field == value)
        return;
    field = value;
    emit(model->*changed)();
}

// A password field keeps a copy of its own, so that wiping it reaches neither the caller's text
// nor a buffer that the caller keeps alive.
void replaceSecret(MainModel* model, QString& field, const QString& value, void (MainModel::*changed)()) {
    if (field == value)
        return;
    QString own(value.constData(), value.size());
    wipe(field);
    field = std::move(own);
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
        , log(log)
        , builder(builder)
        , dialogs(&dialogs)
        , desktop(&desktop)
        , progress(clock, [this]() -> std::optional<qint64> {
            const int processId = progress.runProgress()->processId;
            return processId > 0 ? ProcessReads::bytesRead(processId) : std::nullopt;
        }) {}

    AppPreferences& preferences;
    ArchiveLogStore& log;
    ArchiveBuilder& builder;
    Dialogs* dialogs;
    DesktopServices* desktop;
    std::function<void(const QString&)> beforeReadBack;

    bool isTargeted = false;
    bool isBusy = false;
    QString progressText;
    bool showNameSheet = false;
    QString proposedName;
    bool showPasswordSheet = false;
    QString password;
    QString confirmPassword;
    QString passwordError;
    std::optional<ArchiveResult> result;
    // The run's copy of the accepted password (its jobs share it), and the process kept from being
    // dumped from the moment a password can be typed until that copy is wiped.
    std::optional<QString> runPassword;
    std::optional<NonDumpableScope> passwordHeld;
    // The run's items that stayed although the Trash option was on.
    QList<ArchiveResult::KeptItem> kept;

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
    PromptContinuation nameContinuation;
    PromptContinuation passwordContinuation;
};

MainModel::MainModel(AppPreferences& preferences, ArchiveLogStore& log, ArchiveBuilder& builder,
                     Dialogs& dialogs, DesktopServices& desktop, const ProgressClock& clock, QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Private>(preferences, log, builder, dialogs, desktop, clock)) {
    connect(&d->progress, &ProgressPresenter::showProgressChanged, this, &MainModel::showProgressChanged);
    connect(&d->progress, &ProgressPresenter::figuresChanged, this, &MainModel::progressFiguresChanged);
}

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

int MainModel::progressPercent() const {
    return d->progress.percent();
}

QString MainModel::progressAmount() const {
    return d->progress.amount();
}

QString MainModel::progressText() const {
    return d->progressText;
}

void MainModel::setProgressText(const QString& value) {
    assign(this, d->progressText, value, &MainModel::progressTextChanged);
}

bool MainModel::showNameSheet() const {
    return d->showNameSheet;
}

void MainModel::setShowNameSheet(bool value) {
    assign(this, d->showNameSheet, value, &MainModel::showNameSheetChanged);
}

QString MainModel::proposedName() const {
    return d->proposedName;
}

void MainModel::setProposedName(const QString& value) {
    assign(this, d->proposedName, value, &MainModel::proposedNameChanged);
}

bool MainModel::showPasswordSheet() const {
    return d->showPasswordSheet;
}

void MainModel::setShowPasswordSheet(bool value) {
    assign(this, d->showPasswordSheet, value, &MainModel::showPasswordSheetChanged);
}

QString MainModel::password() const {
    return d->password;
}

void MainModel::setPassword(const QString& value) {
    replaceSecret(this, d->password, value, &MainModel::passwordChanged);
}

QString MainModel::confirmPassword() const {
    return d->confirmPassword;
}

void MainModel::setConfirmPassword(const QString& value) {
    replaceSecret(this, d->confirmPassword, value, &MainModel::confirmPasswordChanged);
}

QString MainModel::passwordError() const {
    return d->passwordError;
}

void MainModel::setPasswordError(const QString& value) {
    assign(this, d->passwordError, value, &MainModel::passwordErrorChanged);
}

bool MainModel::showProgress() const {
    return d->progress.showProgress();
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
    const QList<QUrl> urls = co_await d->dialogs->chooseItems(qtTrId("main.add"));
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
    // Whoever works for the run (the copy, the tool) stops on the token.
    d->cancellation.cancel();
    resolvePrompt(std::nullopt, Prompt::name);
    resolvePrompt(std::nullopt, Prompt::password);
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
            co_await d->dialogs->showError(qtTrId("error.title"), *errorMessage);
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
    AppPreferences& preferences = d->preferences;

    const ArchiveAction action = preferences.selectedAction();
    const ArchiveFormat format = preferences.actionFormat(action);

    setBusy(true);
    setResult(std::nullopt);
    d->kept.clear();

    const QList<QUrl> items = ItemCheck::checkedItems(urls);
    const QList<QUrl> kept = ItemCheck::removingAlreadyCompressed(items, preferences.skipAlreadyCompressed());
    if (kept.isEmpty())
        throw CompressionError::allSkipped();

    if (const FormatDescription& description = formatDescription(format); description.confirmTitleKey) {
        const QString title = QString::fromLatin1(description.confirmTitleKey);
        const QString message = QString::fromLatin1(description.confirmMessageKey);
        const QString button = QString::fromLatin1(description.confirmButtonKey);
        const QString suppressionKey = QString::fromLatin1(description.confirmSuppressionKey);
        const bool confirmed =
            co_await preferences.confirmUnlessSuppressed(*d->dialogs, title, message, button, suppressionKey);
        if (!guard || !confirmed || cancellation.isCancelled())
            co_return;
    }

    const QUrl folder =
        co_await DestinationResolver::destinationFolder(preferences, *d->dialogs, kept, action);
    if (!guard || cancellation.isCancelled())
        co_return;

    std::optional<QString> answer = co_await askPassword(format);
    if (!guard)
        co_return;
    d->runPassword = std::move(answer);
    const std::optional<QString>& password = d->runPassword;
    if (!password)
        co_return;

    QList<QList<QUrl>> groups;
    if (preferences.individualArchives()) {
        for (const QUrl& item : kept)
            groups.append(QList<QUrl>{item});
    } else {
        groups.append(kept);
    }

    QList<QUrl> results;
    for (const QList<QUrl>& group : groups) {
        if (cancellation.isCancelled())
            co_return;

        QString name = ArchiveBuilder::defaultArchiveName(group, action);
        if (preferences.promptForName() && !preferences.individualArchives()) {
            setProposedName(name);
            const std::optional<QString> chosen = co_await askName();
            if (!guard || !chosen)
                co_return;
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
            co_return;
        if (outcome.failure)
            std::rethrow_exception(outcome.failure);
        d->progress.complete();

        results.append(outcome.archiveURL);
        // The originals go only once their archive has been read back in full.
        const bool mayTrash = preferences.trashOriginals();
        if (mayTrash) {
            d->archivingText = qtTrId("progress.verifying").arg(outcome.archiveURL.fileName());
            updateProgressText();
            if (d->beforeReadBack)
                d->beforeReadBack(LocalPath::display(LocalPath::fromUrl(outcome.archiveURL)));
            QFuture<ReadBack> reading =
                QtConcurrent::run(&d->workers, &ArchiveJob::readBack, outcome.archiveURL, format,
                                  outcome.manifest, password, cancellation, d->progress.runProgress());
            const ReadBack readBack = co_await reading;
            if (!guard)
                co_return;
            if (readBack.result == ReadBack::Result::failed) {
                // The archive was made and stays; its items stay where they are.
                archiveCompleted(outcome.archiveURL, group, format, {}, false);
                if (cancellation.isCancelled())
                    co_return;
                throw CompressionError::toolFailed(
                    qtTrId("error.verifyFailed").arg(outcome.archiveURL.fileName(), readBack.reason));
            }
        }
        archiveCompleted(outcome.archiveURL, group, format, outcome.manifest.items(), mayTrash);
    }
    runCompleted(results, action);
}

QCoro::Task<std::optional<QString>> MainModel::askName() {
    QFuture<PromptContinuation::Answer> answer = d->nameContinuation.begin();
    setShowNameSheet(true);
    co_return co_await answer;
}

QCoro::Task<std::optional<QString>> MainModel::askPassword(ArchiveFormat format) {
    if (!isEncrypted(format))
        co_return QString();
    d->passwordHeld.emplace();
    setPassword(QString());
    setConfirmPassword(QString());
    setPasswordError(QString());
    QFuture<PromptContinuation::Answer> answer = d->passwordContinuation.begin();
    setShowPasswordSheet(true);
    co_return co_await answer;
}

void MainModel::resolvePrompt(const std::optional<QString>& value, Prompt prompt) {
    if (prompt == Prompt::name) {
        setShowNameSheet(false);
        d->nameContinuation.resume(value);
    } else {
        setShowPasswordSheet(false);
        d->passwordContinuation.resume(value);
        // The run has its copy now; wiping the fields also empties the sheet's.
        setPassword(QString());
        setConfirmPassword(QString());
    }
}

void MainModel::submitName() {
    const QString name = d->proposedName.trimmed();
    if (name.isEmpty() || name.contains(u'/') || name.contains(u':'))
        return;
    resolvePrompt(name, Prompt::name);
}

void MainModel::cancelName() {
    resolvePrompt(std::nullopt, Prompt::name);
}

void MainModel::submitPassword() {
    if (d->password.isEmpty()) {
        setPasswordError(qtTrId("password.empty"));
        return;
    }
    // The field has one line, and the tools would drop what follows a line end.
    if (!ArchiveBuilder::isOneLinePassword(d->password)) {
        setPasswordError(qtTrId("password.invalidCharacter"));
        return;
    }
    // Typed twice, the same text may arrive composed once and decomposed once.
    QString typed = d->password.normalized(QString::NormalizationForm_C);
    QString confirmed = d->confirmPassword.normalized(QString::NormalizationForm_C);
    const bool same = typed == confirmed;
    wipe(typed);
    wipe(confirmed);
    if (same) {
        resolvePrompt(d->password, Prompt::password);
        return;
    }
    setPasswordError(qtTrId("password.mismatch"));
}

void MainModel::cancelPassword() {
    resolvePrompt(std::nullopt, Prompt::password);
}

void MainModel::archiveCompleted(const QUrl& archiveURL, const QList<QUrl>& items, ArchiveFormat format,
                                 const QList<StagedItem>& staged, bool mayTrash) {
    // The engine writes archives only where the path is also text, so this finds the same file.
    const QString archivePath = LocalPath::display(LocalPath::fromUrl(archiveURL));
    d->log.append(archivePath, format);
    QSettings& defaults = d->preferences.defaults();
    defaults.setValue(QStringLiteral("BWLastArchive"), archivePath);
    defaults.sync();

    if (!mayTrash)
        return;
    using Reason = ArchiveResult::KeptReason;
    for (qsizetype index = 0; index < items.size(); ++index) {
        const QUrl& item = items[index];
        // An archive written inside a dropped folder would go to the Trash with it.
        if (ItemCheck::holds(item, archiveURL))
            continue;
        // Only what the archive holds may go: all of the item, still the entry that was staged.
        const QByteArray path = ItemCheck::cleanPath(item);
        const StagedItem taken = staged.value(index);
        if (!taken.complete)
            d->kept.append({item, Reason::incomplete});
        else if (!StagedItem::at(path).isSameEntry(taken))
            d->kept.append({item, Reason::changed});
        else if (!d->desktop->moveToTrash(path))
            d->kept.append({item, Reason::noTrash});
    }
}

void MainModel::runCompleted(const QList<QUrl>& results, ArchiveAction action) {
    if (action == ArchiveAction::email)
        d->desktop->composeEmail(results);
    if (!results.isEmpty())
        setResult(ArchiveResult{results, d->kept});
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
    const QVariant stored = d->preferences.defaults().value(QStringLiteral("BWLastArchive"));
    const QString path = stored.toString();
    std::optional<QString> message;
    if (!stored.isValid() || path.isEmpty())
        message = qtTrId("error.noLast");
    else if (!QFileInfo::exists(path))
        message = qtTrId("error.missingLast");
    if (message) {
        co_await d->dialogs->showError(qtTrId("error.title"), *message);
        co_return;
    }
    d->desktop->revealInFileManager({QUrl::fromLocalFile(path)});
}
