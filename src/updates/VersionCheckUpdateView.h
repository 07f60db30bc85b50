#pragma once

#include <QDialog>

class AppPreferences;
class QHBoxLayout;
class QLabel;
class QPushButton;

// The window that announces a newer version: what it is, and buttons to get it, dismiss it or
// switch automatic checking. It only reports the buttons; the checker decides what they do.
class VersionCheckUpdateView final : public QDialog {
    Q_OBJECT

public:
    static constexpr int windowWidth = 480;
    static constexpr int windowHeight = 220;

    VersionCheckUpdateView(AppPreferences& preferences, const QString& title, const QString& versionLine,
                           const QString& info, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(VersionCheckUpdateView)

    // Sizes, centres and shows the window in front.
    void present();

signals:
    void toggleCheckingRequested();
    // Escape and the Cancel button.
    void cancelRequested();
    // Return and the OK button.
    void okRequested();

public slots:
    void reject() override;

protected:
    // The title bar's close button only closes the window.
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The symbol beside the headline, the version line and the information.
    QHBoxLayout* messageRow(const QString& title, const QString& versionLine, const QString& info);
    // The toggle on the left, Cancel and OK on the right.
    QHBoxLayout* buttonRow();
    void refreshToggle();
    void refreshSymbol();

    AppPreferences& m_preferences;
    QLabel* m_symbol;
    QPushButton* m_toggle;
};
