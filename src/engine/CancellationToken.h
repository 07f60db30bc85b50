#pragma once

#include <stop_token>

// One run's stop request, shared by everyone who can stop its work (the workflow, the staging copy,
// the runner). Copies share the state; a default-made token is a fresh one. Those who stop work
// take token() and register a std::stop_callback or check it where they can stop.
class CancellationToken final {
public:
    // A handle: cancelling changes the state all copies share, not the handle.
    void cancel() const { m_source.request_stop(); }
    bool isCancelled() const { return m_source.stop_requested(); }
    std::stop_token token() const { return m_source.get_token(); }

private:
    mutable std::stop_source m_source;
};
