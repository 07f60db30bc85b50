#pragma once

#include "PromptContinuation.h"

#include <QCoroTask>
#include <QObject>
#include <QString>

#include <optional>
#include <stop_token>

// The password sheet of a run: whether it shows, the password typed twice, why it was refused, and
// the rules a password must follow. Lives on the main thread.
class PasswordPrompt final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isShown READ isShown NOTIFY isShownChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY passwordChanged)
    Q_PROPERTY(
        QString confirmPassword READ confirmPassword WRITE setConfirmPassword NOTIFY confirmPasswordChanged)
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)

public:
    explicit PasswordPrompt(QObject* parent = nullptr);
    ~PasswordPrompt() override;
    Q_DISABLE_COPY_MOVE(PasswordPrompt)

    bool isShown() const { return m_shown; }
    QString password() const { return m_password; }
    void setPassword(const QString& value);
    QString confirmPassword() const { return m_confirmPassword; }
    void setConfirmPassword(const QString& value);
    QString error() const { return m_error; }

    // Shows the sheet with empty fields and resumes with the accepted password, or none once the
    // sheet is cancelled or `stop` is requested. The fields are wiped as soon as it answers.
    QCoro::Task<std::optional<QString>> ask(std::stop_token stop);
    // Accepts the password if it is one line and typed the same twice; otherwise says why not.
    void submit();
    void cancel();

signals:
    void isShownChanged();
    void passwordChanged();
    void confirmPasswordChanged();
    void errorChanged();

private:
    void answer(const PromptContinuation::Answer& value);
    void setShown(bool value);
    void setError(const QString& value);

    PromptContinuation m_continuation;
    bool m_shown = false;
    QString m_password;
    QString m_confirmPassword;
    QString m_error;
};
