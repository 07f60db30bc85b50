#include "PromptContinuation.h"

PromptContinuation::~PromptContinuation() {
    resume(std::nullopt);
}

QFuture<PromptContinuation::Answer> PromptContinuation::begin() {
    resume(std::nullopt);
    m_promise.emplace();
    m_promise->start();
    return m_promise->future();
}

bool PromptContinuation::resume(const Answer& answer) {
    if (!m_promise)
        return false;
    // Taken out first, so a resumed run that starts a new wait finds this one closed.
    QPromise<Answer> promise = std::move(*m_promise);
    m_promise.reset();
    promise.addResult(answer);
    promise.finish();
    return true;
}
