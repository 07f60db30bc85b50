#pragma once

#include "persistence/ConfirmationAlert.h"

#include <QList>
#include <QQueue>

// Answers confirmation alerts from a queue of scripted answers and records every request it got.
// With the queue empty it answers "cancel, box unticked", so an unexpected alert never goes ahead.
class ScriptedConfirmationAlert final : public ConfirmationAlert {
public:
    void enqueue(bool confirmed, bool suppressChecked = false) {
        m_answers.enqueue({confirmed, suppressChecked});
    }

    const QList<Request>& requests() const { return m_requests; }

    QCoro::Task<Answer> askConfirmation(Request request) override {
        m_requests.append(std::move(request));
        co_return m_answers.isEmpty() ? Answer{} : m_answers.dequeue();
    }

private:
    QQueue<Answer> m_answers;
    QList<Request> m_requests;
};
