#pragma once

#include <QWidget>

class MainModel;
class QToolButton;
class RecentsMenuActions;

// The row of buttons at the foot of the main window: add items, settings, and the recents menu.
class BottomBar final : public QWidget {
    Q_OBJECT

public:
    explicit BottomBar(MainModel& model, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(BottomBar)

    // Pops up the recents menu at the mouse pointer, or under its button when that has the focus.
    void showRecents();

signals:
    // The gear button and the recents menu's log item; the application shows those windows.
    void settingsRequested();
    void logRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    QToolButton* makeButton(const QString& name, const QString& toolTip, const QString& accessibleName);
    void refreshIcons();

    MainModel& m_model;
    QToolButton* m_addButton;
    QToolButton* m_settingsButton;
    QToolButton* m_recentsButton;
    RecentsMenuActions* m_recentsActions = nullptr;
};
