#include "NamePrompt.h"

#include <QCoroFuture>

NamePrompt::NamePrompt(QObject* parent)
    : QObject(parent) {}

void NamePrompt::setProposedName(const QString& value) {
    if (m_proposedName == value)
        return;
    m_proposedName = value;
    emit proposedNameChanged();
}

void NamePrompt::setShown(bool value) {
    if (m_shown == value)
        return;
    m_shown = value;
    emit isShownChanged();
}

QCoro::Task<std::optional<QString>> NamePrompt::ask(QString proposed, std::stop_token stop) {
    QFuture<PromptContinuation::Answer> answer = m_continuation.begin();
    setProposedName(proposed);
    setShown(true);
    // Runs are stopped on the main thread, where the sheet lives.
    const std::stop_callback stopping(stop, [this] { cancel(); });
    co_return co_await answer;
}

void NamePrompt::submit() {
    const QString name = m_proposedName.trimmed();
    if (name.isEmpty() || name.contains(u'/') || name.contains(u':'))
        return;
    answer(name);
}

void NamePrompt::cancel() {
    answer(std::nullopt);
}

void NamePrompt::answer(const PromptContinuation::Answer& value) {
    setShown(false);
    m_continuation.resume(value);
}
