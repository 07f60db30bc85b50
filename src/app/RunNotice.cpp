#include "RunNotice.h"

#include "mainwindow/ResultBanner.h"
#include "platform/DesktopNotifier.h"
#include "workflow/DesktopServices.h"
#include "workflow/MainModel.h"

RunNotice::RunNotice(MainModel& model, DesktopNotifier& notifier, DesktopServices& desktop, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_notifier(notifier)
    , m_desktop(desktop) {
    connect(&m_model, &MainModel::runFailed, this, [this](const QString& message) {
        m_failed = true;
        if (!windowIsActive())
            m_notifier.notify(qtTrId("error.title"), message, {});
    });
    connect(&m_model, &MainModel::runFinished, this, &RunNotice::runFinished);
}

bool RunNotice::windowIsActive() const {
    return m_window && m_window->isVisible() && m_window->isActiveWindow();
}

void RunNotice::runFinished() {
    // A failure was announced as it happened; a cancelled run or a declined prompt says nothing.
    const bool failed = std::exchange(m_failed, false);
    const std::optional<ArchiveResult> result = m_model.result();
    if (failed || !result || windowIsActive())
        return;
    const QList<QUrl> archives = result->urls;
    QString body = ResultBanner::message(*result);
    if (const QString kept = ResultBanner::keptLine(*result); !kept.isEmpty())
        body += u'\n' + kept;
    m_notifier.notify(qtTrId("notification.done"), body,
                      [this, archives] { m_desktop.revealInFileManager(archives); });
}
