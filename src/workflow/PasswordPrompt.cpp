#include "PasswordPrompt.h"

#include "engine/ArchiveBuilder.h"
#include "engine/SecretWipe.h"

#include <QCoroFuture>

namespace {

// A field keeps a copy of its own, so that wiping it reaches neither the caller's text nor a
// buffer that the caller keeps alive.
bool replaceSecret(QString& field, const QString& value) {
    if (field == value)
        return false;
    QString own(value.constData(), value.size());
    wipe(field);
    field = std::move(own);
    return true;
}

} // namespace

PasswordPrompt::PasswordPrompt(QObject* parent)
    : QObject(parent) {}

PasswordPrompt::~PasswordPrompt() {
    wipe(m_password);
    wipe(m_confirmPassword);
}

void PasswordPrompt::setPassword(const QString& value) {
    if (replaceSecret(m_password, value))
        emit passwordChanged();
}

void PasswordPrompt::setConfirmPassword(const QString& value) {
    if (replaceSecret(m_confirmPassword, value))
        emit confirmPasswordChanged();
}

void PasswordPrompt::setShown(bool value) {
    if (m_shown == value)
        return;
    m_shown = value;
    emit isShownChanged();
}

void PasswordPrompt::setError(const QString& value) {
    if (m_error == value)
        return;
    m_error = value;
    emit errorChanged();
}

QCoro::Task<std::optional<QString>> PasswordPrompt::ask(std::stop_token stop) {
    setPassword(QString());
    setConfirmPassword(QString());
    setError(QString());
    QFuture<PromptContinuation::Answer> answer = m_continuation.begin();
    setShown(true);
    // Runs are stopped on the main thread, where the sheet lives.
    const std::stop_callback stopping(stop, [this] { cancel(); });
    co_return co_await answer;
}

void PasswordPrompt::submit() {
    if (m_password.isEmpty()) {
        setError(qtTrId("password.empty"));
        return;
    }
    // The field has one line, and the tools would drop what follows a line end.
    if (!ArchiveBuilder::isOneLinePassword(m_password)) {
        setError(qtTrId("password.invalidCharacter"));
        return;
    }
    // Typed twice, the same text may arrive composed once and decomposed once.
    QString typed = m_password.normalized(QString::NormalizationForm_C);
    QString confirmed = m_confirmPassword.normalized(QString::NormalizationForm_C);
    const bool same = typed == confirmed;
    wipe(typed);
    wipe(confirmed);
    if (same) {
        answer(m_password);
        return;
    }
    setError(qtTrId("password.mismatch"));
}

void PasswordPrompt::cancel() {
    answer(std::nullopt);
}

void PasswordPrompt::answer(const PromptContinuation::Answer& value) {
    setShown(false);
    m_continuation.resume(value);
    // The run has its copy now; wiping the fields also empties the sheet's.
    setPassword(QString());
    setConfirmPassword(QString());
}
