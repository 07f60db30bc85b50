#pragma once

#include "widgets/PromptSheet.h"

class AppPreferences;
class NamePrompt;
class QLineEdit;

// Asks for the archive's name while the run's name prompt is open.
class NameSheet final : public PromptSheet {
    Q_OBJECT

public:
    NameSheet(NamePrompt& prompt, AppPreferences& preferences, QWidget* parent);
    Q_DISABLE_COPY_MOVE(NameSheet)

protected:
    void refresh() override;

private:
    NamePrompt& m_prompt;
    AppPreferences& m_preferences;
    QLineEdit* m_field;
};
