#pragma once

#include <QWidget>

class ActionSegmentedControl;
class AppPreferences;
class BottomBar;
class DesktopServices;
class Dialogs;
class DropZone;
class FormatRow;
class LineLimitedLabel;
class MainModel;
class NameSheet;
class OptionsArea;
class PasswordSheet;
class QBoxLayout;
class QFrame;
class ResultBanner;

// The content of the main window: action chooser, description, drop zone, options, format and
// the bottom bar, with the result banner floating over them. It keeps no state of its own; it
// shows the model and the preferences and calls the model's operations.
class MainView final : public QWidget {
    Q_OBJECT

public:
    MainView(MainModel& model, AppPreferences& preferences, Dialogs& dialogs, DesktopServices& desktop,
             QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(MainView)

    QSize sizeHint() const override { return {520, 560}; }
    QSize minimumSizeHint() const override { return {520, 520}; }

signals:
    // The bottom bar's requests for windows the application keeps.
    void settingsRequested();
    void logRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static void addPadded(QBoxLayout* layout, QWidget* child, int left, int top, int right, int bottom,
                          int stretch = 0);
    void refreshDescription();
    void refreshBusy();
    void refreshDividerColor();

    MainModel& m_model;
    AppPreferences& m_preferences;
    ActionSegmentedControl* m_chooser;
    LineLimitedLabel* m_description;
    DropZone* m_dropZone;
    OptionsArea* m_options;
    FormatRow* m_formatRow;
    QFrame* m_divider = nullptr;
    BottomBar* m_bottomBar;
    ResultBanner* m_banner;
    NameSheet* m_nameSheet;
    PasswordSheet* m_passwordSheet;
};
