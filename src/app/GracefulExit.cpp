#include "GracefulExit.h"

#include "workflow/Dialogs.h"
#include "workflow/MainModel.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// How long an exit waits for the run to remove its files.
constexpr auto cleanupLimit = 5s;

int g_signalPipe[2] = {-1, -1};

void forwardSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &number, 1);
    errno = savedErrno;
}

} // namespace

GracefulExit::GracefulExit(MainModel& model, Dialogs& dialogs, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_dialogs(dialogs) {
    if (g_signalPipe[0] < 0)
        return;
    m_notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &GracefulExit::readSignal);
}

GracefulExit::~GracefulExit() = default;

void GracefulExit::catchTerminationSignals() {
    if (g_signalPipe[0] >= 0 || ::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

void GracefulExit::readSignal() {
    unsigned char numbers[64];
    while (::read(g_signalPipe[0], numbers, sizeof numbers) > 0) {
    }
    exit();
}

QCoro::Task<> GracefulExit::quit() {
    if (m_model.isBusy()) {
        QPointer<GracefulExit> guard(this);
        const ConfirmationAlert::Answer answer =
            co_await m_dialogs.askConfirmation({qtTrId("quit.busy.title"),
                                                std::nullopt,
                                                qtTrId("quit.busy.stop"),
                                                qtTrId("confirm.cancel"),
                                                {}});
        if (!guard || !answer.confirmed)
            co_return;
    }
    exit();
}

void GracefulExit::exit() {
    if (m_exiting)
        return;
    m_exiting = true;
    if (!m_model.isBusy()) {
        QCoreApplication::exit(0);
        return;
    }
    // Exit as soon as the run has removed its files, but never wait on it for longer.
    connect(&m_model, &MainModel::runFinished, this, [] { QCoreApplication::exit(0); });
    QTimer::singleShot(cleanupLimit, this, [] { QCoreApplication::exit(0); });
    m_model.stopAll();
}
