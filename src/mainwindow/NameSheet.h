#pragma once

#include "widgets/PromptSheet.h"

class AppPreferences;
class MainModel;
class QLineEdit;

// Asks for the archive's name while the model's name prompt is open.
class NameSheet final : public PromptSheet {
    Q_OBJECT

public:
    NameSheet(MainModel& model, AppPreferences& preferences, QWidget* parent);
    Q_DISABLE_COPY_MOVE(NameSheet)

protected:
    void refresh() override;

private:
    MainModel& m_model;
    AppPreferences& m_preferences;
    QLineEdit* m_field;
};
