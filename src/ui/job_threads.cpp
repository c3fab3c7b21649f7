#include "ui/job_threads.h"

#include <algorithm>

namespace krizovky::ui {

JobThreads::~JobThreads() {
    for (Running& running : running_) {
        running.job->cancel();
        running.thread.join();
    }
}

void JobThreads::run(std::shared_ptr<Job> job) {
    // The threads of jobs that have ended are joined here, so that they do
    // not pile up.
    std::erase_if(running_, [](Running& running) {
        if (!running.job->done()) return false;
        running.thread.join();
        return true;
    });
    std::thread thread([job] { job->run(); });
    running_.push_back({std::move(job), std::move(thread)});
}

}  // namespace krizovky::ui
