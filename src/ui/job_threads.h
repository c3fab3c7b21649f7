#pragma once

#include <memory>
#include <thread>
#include <vector>

#include "app/job.h"

namespace krizovky::ui {

// The desktop's way of running the game's long work: every job on a thread
// of its own, so that the windows stay responsive. A job still running at
// the end is asked to stop and waited for.
class JobThreads {
  public:
    JobThreads() = default;
    JobThreads(const JobThreads&) = delete;
    JobThreads& operator=(const JobThreads&) = delete;
    ~JobThreads();

    void run(std::shared_ptr<Job> job);
    JobRunner runner() {
        return [this](std::shared_ptr<Job> job) { run(std::move(job)); };
    }

  private:
    struct Running {
        std::shared_ptr<Job> job;
        std::thread thread;
    };
    std::vector<Running> running_;
};

}  // namespace krizovky::ui
