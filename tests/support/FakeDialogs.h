#pragma once

#include "workflow/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// Dialogs answered from a script, with every call recorded. Each answer is consumed once; when
// the script runs dry the fallback answer is given (refuse, cancel, empty).
class FakeDialogs final : public Dialogs {
public:
    struct ShownError {
        QString title;
        QString message;
    };

    QList<Request> confirmationRequests;
    QList<Answer> confirmationAnswers;
    Answer fallbackConfirmation{};

    QList<ShownError> errors;
    // Called while an error alert is "on screen", before it is dismissed.
    std::function<void(const ShownError&)> onError;

    QStringList folderPrompts;
    QList<QUrl> folderAnswers;

    QCoro::Task<Answer> askConfirmation(Request request) override {
        confirmationRequests.append(request);
        co_return confirmationAnswers.isEmpty() ? fallbackConfirmation : confirmationAnswers.takeFirst();
    }

    QCoro::Task<> showError(QString title, QString message) override {
        errors.append({title, message});
        if (onError)
            onError(errors.last());
        co_return;
    }

    QList<QList<QUrl>> itemAnswers;

    QCoro::Task<QList<QUrl>> chooseItems(QString) override {
        co_return itemAnswers.isEmpty() ? QList<QUrl>{} : itemAnswers.takeFirst();
    }

    QCoro::Task<QUrl> chooseFolder(QString prompt) override {
        folderPrompts.append(prompt);
        co_return folderAnswers.isEmpty() ? QUrl{} : folderAnswers.takeFirst();
    }

    QStringList errorMessages() const {
        QStringList messages;
        for (const ShownError& error : errors)
            messages.append(error.message);
        return messages;
    }
};
