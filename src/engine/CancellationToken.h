#pragma once

#include <atomic>
#include <memory>

// One run's stop request, shared by everyone who can stop its work (the workflow, the staging copy,
// the runner). Copies share the flag; a default-made token is a fresh one.
class CancellationToken final {
public:
    void cancel() const { m_flag->store(true); }
    bool isCancelled() const { return m_flag->load(); }

private:
    std::shared_ptr<std::atomic_bool> m_flag = std::make_shared<std::atomic_bool>(false);
};
