#pragma once

#include "workflow/Dialogs.h"

#include <QPointer>
#include <QWidget>

// The workflow's questions as Qt Widgets dialogs. Each is shown modally with open() and awaited
// through its finished signal, so the event loop keeps running while the user answers.
class WidgetDialogs final : public Dialogs {
public:
    QCoro::Task<Answer> askConfirmation(Request request) override;
    QCoro::Task<> showError(QString title, QString message) override;
    QCoro::Task<QList<QUrl>> chooseItems(QString prompt) override;
    QCoro::Task<QUrl> chooseFolder(QString prompt) override;

    // The window a dialog attaches to when no other of Balewick's windows is active.
    void setMainWindow(QWidget* window) { m_mainWindow = window; }

private:
    // The active window, else the visible main window; none (then the dialog is application-modal)
    // when Balewick shows no window.
    QWidget* parentWindow() const;

    QPointer<QWidget> m_mainWindow;
};
