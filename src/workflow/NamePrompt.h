#pragma once

#include "PromptContinuation.h"

#include <QCoroTask>
#include <QObject>
#include <QString>

#include <optional>
#include <stop_token>

// The name sheet of a run: whether it shows, the name it proposes, and the rules a name must
// follow. Lives on the main thread.
class NamePrompt final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isShown READ isShown NOTIFY isShownChanged)
    Q_PROPERTY(QString proposedName READ proposedName WRITE setProposedName NOTIFY proposedNameChanged)

public:
    explicit NamePrompt(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(NamePrompt)

    bool isShown() const { return m_shown; }
    QString proposedName() const { return m_proposedName; }
    void setProposedName(const QString& value);

    // Shows the sheet with `proposed` and resumes with the accepted name, or none once the sheet is
    // cancelled or `stop` is requested.
    QCoro::Task<std::optional<QString>> ask(QString proposed, std::stop_token stop);
    // Accepts the name unless it is blank or holds a character no file name may hold.
    void submit();
    void cancel();

signals:
    void isShownChanged();
    void proposedNameChanged();

private:
    void answer(const PromptContinuation::Answer& value);
    void setShown(bool value);

    PromptContinuation m_continuation;
    bool m_shown = false;
    QString m_proposedName;
};
