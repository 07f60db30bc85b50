#pragma once

#include <QFuture>
#include <QPromise>
#include <QString>

#include <optional>

// One suspended question: the run awaits the future, a sheet's button resumes it. The future is
// always finished with a value (never cancelled), so awaiting it is safe on every path.
class PromptContinuation final {
public:
    using Answer = std::optional<QString>;

    PromptContinuation() = default;
    ~PromptContinuation();
    Q_DISABLE_COPY_MOVE(PromptContinuation)

    // Starts a new wait; a wait still pending is answered with none first.
    QFuture<Answer> begin();
    // Answers the pending wait, if any; false when no run was waiting.
    bool resume(const Answer& answer);

private:
    std::optional<QPromise<Answer>> m_promise;
};
