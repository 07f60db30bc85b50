#pragma once

#include "persistence/ConfirmationAlert.h"

#include <QCoroTask>
#include <QList>
#include <QString>
#include <QUrl>

// The modal questions the workflow asks. The windows implement them with Qt Widgets (shown with
// open(), never exec()); tests answer them from a script. Every text arrives already localised.
class Dialogs : public ConfirmationAlert {
public:
    // An alert with one "confirm.ok" button; resumes when dismissed.
    virtual QCoro::Task<> showError(QString title, QString message) = 0;
    // An open panel for files and folders with multiple selection; empty when cancelled.
    virtual QCoro::Task<QList<QUrl>> chooseItems(QString prompt) = 0;
    // An open panel for one folder (new folders allowed); empty when cancelled.
    virtual QCoro::Task<QUrl> chooseFolder(QString prompt) = 0;
};
