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

namespace {

using Ahead = std::function<void(std::size_t batch, std::size_t slot)>;
using InOrder = std::function<bool(std::size_t batch, std::size_t slot)>;

bool oneThreadInOrder(std::size_t count, const Ahead& ahead, const InOrder& inOrder) {
    for (std::size_t batch = 0; batch < count; ++batch) {
        ahead(batch, 0);
        if (!inOrder(batch, 0)) {
            return false;
        }
    }
    return true;
}

// What the two threads share. Both take the next batch not yet taken, while a
// slot is free for it: the slots hold the batches from the next to be read in
// order on.
class TwoThreads {
  public:
    TwoThreads(std::size_t count, std::size_t slots, const Ahead& ahead)
        : count_(count), slots_(slots), ahead_(ahead), ready_(slots, false) {}

    // The second thread's work: batches read ahead until none is left or it is stopped.
    void readAheadOnly() {
        std::unique_lock lock(mutex_);
        while (true) {
            changed_.wait(lock, [&] { return stop_ || taken_ == count_ || canTake(); });
            if (stop_ || taken_ == count_) {
                return;
            }
            readAhead(lock, taken_++);
        }
    }

    // Returns once `batch` has been read ahead; waiting for it, this thread reads
    // a later one ahead. Throws what a read ahead threw.
    void waitFor(std::size_t batch) {
        std::unique_lock lock(mutex_);
        while (!ready_[batch % slots_] && !failure_) {
            if (canTake()) {
                readAhead(lock, taken_++);
            } else {
                changed_.wait(lock);
            }
        }
        if (failure_) {
            std::rethrow_exception(failure_);
        }
    }

    // `batch` has been read in order: its slot is free.
    void readInOrder(std::size_t batch) {
        {
            const std::lock_guard lock(mutex_);
            ready_[batch % slots_] = false;
            inOrderTo_ = batch + 1;
        }
        changed_.notify_all();
    }

    void stop() {
        {
            const std::lock_guard lock(mutex_);
            stop_ = true;
        }
        changed_.notify_all();
    }

  private:
    bool canTake() const { return taken_ < count_ && taken_ < inOrderTo_ + slots_; }

    // Reads the batch ahead with the lock let go meanwhile.
    void readAhead(std::unique_lock<std::mutex>& lock, std::size_t batch) {
        lock.unlock();
        std::exception_ptr thrown;
        try {
            ahead_(batch, batch % slots_);
        } catch (...) {
            thrown = std::current_exception();
        }
        lock.lock();
        if (thrown) {
            failure_ = failure_ ? failure_ : thrown;
            stop_ = true;
        } else {
            ready_[batch % slots_] = true;
        }
        changed_.notify_all();
    }

    const std::size_t count_;
    const std::size_t slots_;
    const Ahead& ahead_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t taken_ = 0;     // batches taken to be read ahead
    std::size_t inOrderTo_ = 0; // batches read in order
    std::vector<bool> ready_;
    bool stop_ = false;
    std::exception_ptr failure_;
};

} // namespace

bool aheadThenInOrder(std::size_t count, std::size_t slots, bool secondThread, const Ahead& ahead,
                      const InOrder& inOrder) {
    if (!secondThread || count < 2 || slots < 2) {
        return oneThreadInOrder(count, ahead, inOrder);
    }
    TwoThreads shared(count, slots, ahead);
    auto second = std::async(std::launch::async, [&] { shared.readAheadOnly(); });
    // However this returns, the second thread stops first.
    struct Stopper {
        TwoThreads& shared;
        std::future<void>& second;
        ~Stopper() {
            shared.stop();
            second.wait();
        }
    } stopper{shared, second};
    for (std::size_t batch = 0; batch < count; ++batch) {
        shared.waitFor(batch);
        const bool goOn = inOrder(batch, batch % slots);
        shared.readInOrder(batch);
        if (!goOn) {
            return false;
        }
    }
    return true;
}

} // namespace pick3::importing
