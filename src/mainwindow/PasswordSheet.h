#pragma once

#include "widgets/PromptSheet.h"

class AppPreferences;
class MainModel;
class QLabel;
class QLineEdit;

// Asks for the password of an encrypted archive while the model's password prompt is open.
class PasswordSheet final : public PromptSheet {
    Q_OBJECT

public:
    PasswordSheet(MainModel& model, AppPreferences& preferences, QWidget* parent);
    Q_DISABLE_COPY_MOVE(PasswordSheet)

protected:
    void refresh() override;

private:
    QLineEdit* addPasswordField(const QString& name, const QString& placeholder);
    void refreshFields();

    MainModel& m_model;
    AppPreferences& m_preferences;
    QLineEdit* m_password;
    QLineEdit* m_confirmation;
    QLabel* m_error;
};
