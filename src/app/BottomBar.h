#pragma once

#include <QWidget>

class DesktopServices;
class MainModel;
class QToolButton;
class RecentsMenuActions;

// The row of buttons at the foot of the main window: add items, settings, and the recents menu.
class BottomBar final : public QWidget {
    Q_OBJECT

public:
    BottomBar(MainModel& model, DesktopServices& desktop, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(BottomBar)

    // Pops up the recents menu at the mouse pointer.
    void showRecents();

protected:
    void changeEvent(QEvent* event) override;

private:
    QToolButton* makeButton(const QString& name, const QString& toolTip);
    void refreshIcons();

    MainModel& m_model;
    DesktopServices& m_desktop;
    QToolButton* m_addButton;
    QToolButton* m_settingsButton;
    QToolButton* m_recentsButton;
    RecentsMenuActions* m_recentsActions = nullptr;
};
