// Batches read ahead on two threads and read in order on one.

#include "engine/history/ImportBatches.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace pick3::importing {

BatchPlan batchPlanFor(std::size_t textBytes) {
    constexpr std::size_t kFewest = 32 * 1024;
    constexpr std::size_t kMost = 1024 * 1024;
    return {std::clamp<std::size_t>(textBytes / 48, kFewest, kMost),
            std::thread::hardware_concurrency() >= 2};
}

bool aheadThenInOrder(std::size_t count, std::size_t slots, bool secondThread,
                      const std::function<void(std::size_t batch, std::size_t slot)>& ahead,
                      const std::function<bool(std::size_t batch, std::size_t slot)>& inOrder) {
    if (!secondThread || count < 2 || slots < 2) {
        for (std::size_t batch = 0; batch < count; ++batch) {
            ahead(batch, 0);
            if (!inOrder(batch, 0)) {
                return false;
            }
        }
        return true;
    }
    // Both threads take the next batch not yet taken, while a slot is free for
    // it: the slots hold the batches from the next to be read in order on.
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t taken = 0;     // batches taken to be read ahead
    std::size_t inOrderTo = 0; // batches read in order
    std::vector<bool> ready(slots, false);
    bool stop = false;
    std::exception_ptr failure;
    const auto canTake = [&] { return taken < count && taken < inOrderTo + slots; };
    // Reads the batch ahead with the lock let go meanwhile.
    const auto readAhead = [&](std::unique_lock<std::mutex>& lock, std::size_t batch) {
        lock.unlock();
        std::exception_ptr thrown;
        try {
            ahead(batch, batch % slots);
        } catch (...) {
            thrown = std::current_exception();
        }
        lock.lock();
        if (thrown) {
            failure = failure ? failure : thrown;
            stop = true;
        } else {
            ready[batch % slots] = true;
        }
        changed.notify_all();
    };
    auto second = std::async(std::launch::async, [&] {
        std::unique_lock lock(mutex);
        while (true) {
            changed.wait(lock, [&] { return stop || taken == count || canTake(); });
            if (stop || taken == count) {
                return;
            }
            readAhead(lock, taken++);
        }
    });
    // However this returns, the second thread stops first.
    struct Stopper {
        std::mutex& mutex;
        std::condition_variable& changed;
        bool& stop;
        std::future<void>& second;
        ~Stopper() {
            {
                const std::lock_guard lock(mutex);
                stop = true;
            }
            changed.notify_all();
            second.wait();
        }
    } stopper{mutex, changed, stop, second};
    for (std::size_t batch = 0; batch < count; ++batch) {
        const std::size_t slot = batch % slots;
        {
            std::unique_lock lock(mutex);
            // Waiting for a batch on the second thread, this one reads a later one ahead.
            while (!ready[slot] && !failure) {
                if (canTake()) {
                    readAhead(lock, taken++);
                } else {
                    changed.wait(lock);
                }
            }
            if (failure) {
                std::rethrow_exception(failure);
            }
        }
        const bool goOn = inOrder(batch, slot);
        {
            const std::lock_guard lock(mutex);
            ready[slot] = false;
            inOrderTo = batch + 1;
        }
        changed.notify_all();
        if (!goOn) {
            return false;
        }
    }
    return true;
}

} // namespace pick3::importing
