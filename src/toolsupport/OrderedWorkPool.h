#pragma once

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Runs a job on every submitted item on a pool of threads and hands the items back in the order
// they went in. Each worker builds its own job once, so that it can keep state (a compressor)
// from item to item. Submitting and taking happen on one thread.
template <typename Item> class OrderedWorkPool final {
public:
    using Job = std::function<void(Item&)>;

    OrderedWorkPool(unsigned workers, std::function<Job()> makeJob) {
        for (unsigned index = 0; index < std::max(workers, 1u); ++index)
            m_threads.emplace_back([this, makeJob] { work(makeJob()); });
    }
    ~OrderedWorkPool() {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_workAvailable.notify_all();
        for (std::thread& thread : m_threads)
            thread.join();
    }
    OrderedWorkPool(const OrderedWorkPool&) = delete;
    OrderedWorkPool& operator=(const OrderedWorkPool&) = delete;

    std::size_t inFlight() const {
        const std::lock_guard lock(m_mutex);
        return m_inOrder.size();
    }

    void submit(std::unique_ptr<Item> item) {
        {
            const std::lock_guard lock(m_mutex);
            m_inOrder.push_back(Slot{std::move(item), false});
            m_waiting.push_back(&m_inOrder.back());
        }
        m_workAvailable.notify_one();
    }

    // The oldest submitted item, once its job is done. Only when inFlight() > 0.
    std::unique_ptr<Item> takeOldest() {
        std::unique_lock lock(m_mutex);
        m_itemDone.wait(lock, [this] { return m_inOrder.front().done; });
        std::unique_ptr<Item> item = std::move(m_inOrder.front().item);
        m_inOrder.pop_front();
        return item;
    }

private:
    struct Slot {
        std::unique_ptr<Item> item;
        bool done;
    };

    void work(const Job& job) {
        for (;;) {
            Slot* slot = nullptr;
            {
                std::unique_lock lock(m_mutex);
                m_workAvailable.wait(lock, [this] { return m_stopping || !m_waiting.empty(); });
                if (m_waiting.empty())
                    return;
                slot = m_waiting.front();
                m_waiting.pop_front();
            }
            job(*slot->item);
            {
                const std::lock_guard lock(m_mutex);
                slot->done = true;
            }
            m_itemDone.notify_all();
        }
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_workAvailable;
    std::condition_variable m_itemDone;
    std::deque<Slot> m_inOrder;  // every item in flight, oldest first; a deque keeps their places
    std::deque<Slot*> m_waiting; // not yet picked up by a worker
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};
