#include "app/new_task.h"

#include <random>

#include "model/text.h"

namespace krizovky {

void TaskMakingJob::work() {
    MakeControl control;
    control.cancel = &cancelled_;
    control.progress = [this](int attempt, int maxAttempts) {
        maxAttempts_.store(maxAttempts);
        attempt_.store(attempt);
    };
    result_ = day_ ? makeDailyTask(*day_, table_, control) : makeTask(request_, table_, control);
}

NewTaskMaker::~NewTaskMaker() {
    if (job_) job_->cancel();
}

void NewTaskMaker::open(std::vector<NamedStructure> structures, int number) {
    structures_ = std::move(structures);
    screen_.structures.clear();
    for (const NamedStructure& structure : structures_)
        screen_.structures.push_back(utf8FromCp1250(structure.name));
    if (screen_.size >= kOfferedSizeCount + static_cast<int>(structures_.size())) screen_.size = 1;
    screen_.number = number;
    screen_.visible = true;
}

void NewTaskMaker::setGrade(int index) {
    if (!screen_.working && index >= 0 && index < static_cast<int>(std::size(kOfferedGrades)))
        screen_.grade = index;
}

void NewTaskMaker::setSize(int index) {
    if (!screen_.working && index >= 0 &&
        index < kOfferedSizeCount + static_cast<int>(structures_.size()))
        screen_.size = index;
}

void NewTaskMaker::setNumber(int number) {
    if (!screen_.working && number >= 0 && number <= kMaxTaskNumber) screen_.number = number;
}

TaskRequest NewTaskMaker::request() const {
    TaskRequest request;
    request.grade = kOfferedGrades[screen_.grade];
    request.number = screen_.number;
    if (screen_.size < kOfferedSizeCount) {
        request.size = kOfferedSizes[screen_.size];
    } else {
        request.size = TaskSize::kStructure;
        request.structure = structures_[screen_.size - kOfferedSizeCount];
    }
    return request;
}

bool NewTaskMaker::start() {
    if (!screen_.visible || screen_.working) return false;
    run(std::make_shared<TaskMakingJob>(request(), table_));
    return true;
}

bool NewTaskMaker::startDaily(CalendarDate day) {
    if (screen_.working) return false;
    run(std::make_shared<TaskMakingJob>(day, table_));
    return true;
}

void NewTaskMaker::run(std::shared_ptr<TaskMakingJob> job) {
    // A making cancelled before may still be ending: it ends at its next
    // look at the flag, and its task is never taken.
    cancelled_ = false;
    screen_.working = true;
    screen_.workingShown = false;
    screen_.attempt = 0;
    screen_.maxAttempts = 0;
    screen_.daily = job->day().has_value();
    started_ = std::chrono::steady_clock::now();
    job_ = std::move(job);
    if (runner_)
        runner_(job_);
    else
        job_->run();
}

std::optional<MadeTask> NewTaskMaker::poll() {
    if (!job_) return std::nullopt;
    if (job_->done()) return collect();
    if (screen_.working) {
        screen_.attempt = job_->attempt();
        screen_.maxAttempts = job_->maxAttempts();
        screen_.workingShown = std::chrono::steady_clock::now() - started_ >= kShowWorkingAfter;
    }
    return std::nullopt;
}

std::optional<MadeTask> NewTaskMaker::wait() {
    if (!job_) return std::nullopt;
    job_->waitUntilDone();
    return collect();
}

std::optional<MadeTask> NewTaskMaker::collect() {
    const std::shared_ptr<TaskMakingJob> job = std::move(job_);
    screen_.working = false;
    screen_.workingShown = false;
    if (cancelled_) return std::nullopt;
    return std::move(job->result());
}

void NewTaskMaker::cancel() {
    if (screen_.working) {
        if (job_) job_->cancel();
        cancelled_ = true;
        screen_.working = false;
        screen_.workingShown = false;
    }
    screen_.visible = false;
}

std::string notMadeMessage(const MadeTask& task) {
    return task.failure + " Zkuste jiné číslo úlohy, jinou obtížnost nebo velikost.";
}

int freshTaskNumber() {
    std::random_device source;
    return static_cast<int>(source() % (kMaxTaskNumber + 1));
}

}  // namespace krizovky
