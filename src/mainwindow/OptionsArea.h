#pragma once

#include <QCoroTask>
#include <QWidget>

class AppPreferences;
class DesktopServices;
class Dialogs;
class OptionSwitch;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// The options under the drop zone: the omit and trash switches for compress and e-mail, the
// archive folder and the trash switch for the archive action. Switching an option on asks for
// confirmation unless the user chose not to be asked again.
class OptionsArea final : public QWidget {
    Q_OBJECT

public:
    enum class Option { omitFinderFiles, omitMacMetadata, trashOriginals };

    OptionsArea(AppPreferences& preferences, Dialogs& dialogs, DesktopServices& desktop,
                QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(OptionsArea)

    // Turns an option as the user asked; resumes once it is decided.
    QCoro::Task<> turn(Option option, bool on);
    // Shows the archive folder in the file manager, creating it first when missing.
    void openArchiveFolder();
    // Lets the user pick another archive folder.
    QCoro::Task<> changeArchiveFolder();

protected:
    void showEvent(QShowEvent* event) override;

private:
    OptionSwitch* makeSwitch(Option option, const QString& title, const QString& name);
    QWidget* buildArchiveBlock();
    bool value(Option option) const;
    static void assign(AppPreferences& preferences, Option option, bool on);
    void refreshSwitches();
    void refreshAction();
    void refreshFolder();
    void clearFolderFocus();
    void scheduleFocusClearing();

    AppPreferences& m_preferences;
    Dialogs& m_dialogs;
    DesktopServices& m_desktop;
    QVBoxLayout* m_layout;
    OptionSwitch* m_omitFinder;
    OptionSwitch* m_omitMac;
    QWidget* m_archiveBlock;
    QLineEdit* m_folderField = nullptr;
    OptionSwitch* m_trashOriginals;
    bool m_archiveShown = false;
    bool m_asking = false;
};
