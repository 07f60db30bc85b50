#pragma once

#include "widgets/PromptSheet.h"

class AppPreferences;
class PasswordPrompt;
class QLabel;
class QLineEdit;

// Asks for the password of an encrypted archive while the run's password prompt is open.
class PasswordSheet final : public PromptSheet {
    Q_OBJECT

public:
    PasswordSheet(PasswordPrompt& prompt, AppPreferences& preferences, QWidget* parent);
    Q_DISABLE_COPY_MOVE(PasswordSheet)

protected:
    void refresh() override;

private:
    QLineEdit* addPasswordField(const QString& name, const QString& placeholder);
    void refreshFields();

    PasswordPrompt& m_prompt;
    AppPreferences& m_preferences;
    QLineEdit* m_password;
    QLineEdit* m_confirmation;
    QLabel* m_error;
};
