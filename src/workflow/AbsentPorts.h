#pragma once

#include "DesktopServices.h"
#include "Dialogs.h"

// Stand in until the application installs the real ports: every question is refused quietly and
// nothing reaches the desktop.
class AbsentDialogs final : public Dialogs {
public:
    QCoro::Task<Answer> askConfirmation(Request) override { co_return Answer{}; }
    QCoro::Task<> showError(QString, QString) override { co_return; }
    QCoro::Task<QList<QUrl>> chooseItems(QString) override { co_return QList<QUrl>{}; }
    QCoro::Task<QUrl> chooseFolder(QString) override { co_return QUrl{}; }
};

class AbsentDesktopServices final : public DesktopServices {
public:
    bool moveToTrash(const QByteArray&) override { return false; }
    void revealInFileManager(const QList<QUrl>&) override {}
    void composeEmail(const QList<QUrl>&) override {}
    void openUrl(const QUrl&) override {}
};
