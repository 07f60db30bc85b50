#pragma once

#include <QCoroTask>
#include <QString>

#include <optional>

// A confirmation alert with a "don't ask again" check box. The windows show a real one; tests
// answer with a script.
class ConfirmationAlert {
public:
    struct Request {
        QString title;                  // already localised
        std::optional<QString> message; // already localised
        QString confirmButton;          // already localised
        QString cancelButton;           // already localised ("confirm.cancel")
        QString suppressionCheckBox;    // already localised ("confirm.dontAsk")
    };
    struct Answer {
        bool confirmed = false;       // the first button was chosen
        bool suppressChecked = false; // the check box was ticked
    };

    virtual ~ConfirmationAlert() = default;
    virtual QCoro::Task<Answer> askConfirmation(Request request) = 0;
};
