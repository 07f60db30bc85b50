#pragma once

#include <QWidget>

class AppPreferences;
class MainModel;
class QComboBox;

// "Format:" and a pop-up of the seven formats; each action remembers its own choice.
class FormatRow final : public QWidget {
    Q_OBJECT

public:
    FormatRow(MainModel& model, AppPreferences& preferences, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(FormatRow)

private:
    void refresh();

    MainModel& m_model;
    AppPreferences& m_preferences;
    QComboBox* m_picker;
};
