#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace krizovky {

// Long work of the core that the front-end runs where it chooses: on a
// thread of its own (the desktop), in a worker (a browser), or at once (the
// tool). A job runs once; cancel() asks it to stop at its next look at the
// flag, and done() tells, from any thread, that it has ended.
class Job {
  public:
    virtual ~Job() = default;

    void run() {
        work();
        finish();
    }
    void cancel() { cancelled_.store(true); }
    bool cancelled() const { return cancelled_.load(); }
    bool done() const { return done_.load(std::memory_order_acquire); }
    // For the tool and the tests: until the job has ended. A front-end
    // looks at done() instead.
    void waitUntilDone() {
        std::unique_lock lock(mutex_);
        ended_.wait(lock, [this] { return done(); });
    }

  protected:
    virtual void work() = 0;
    // The job has ended: by its own run, or where the work was done
    // elsewhere (another instance of the core in a browser's worker).
    void finish() {
        {
            std::lock_guard lock(mutex_);
            done_.store(true, std::memory_order_release);
        }
        ended_.notify_all();
    }
    std::atomic<bool> cancelled_{false};

  private:
    std::atomic<bool> done_{false};
    std::mutex mutex_;
    std::condition_variable ended_;
};

// How the front-end runs the core's jobs. Without one a job runs at once,
// inside the call that starts it.
using JobRunner = std::function<void(std::shared_ptr<Job>)>;

}  // namespace krizovky
