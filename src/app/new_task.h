#pragma once

#include <atomic>
#include <chrono>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/job.h"
#include "editor/daily_task.h"
#include "editor/task_maker.h"
#include "model/combination_table.h"

namespace krizovky {

// The grades "Nová úloha" offers, in the order of the dialog: "lehká" to
// "velmi těžká" ("vyžaduje zkoušení" is no grade a task is made for).
inline constexpr Difficulty kOfferedGrades[] = {Difficulty::kEasy, Difficulty::kMedium,
                                                Difficulty::kHard, Difficulty::kVeryHard};
// The task maker's own sizes, before the structures in the size choice.
inline constexpr TaskSize kOfferedSizes[] = {TaskSize::kSmall, TaskSize::kMedium, TaskSize::kLarge};
inline constexpr int kOfferedSizeCount = static_cast<int>(std::size(kOfferedSizes));

// What the dialog "nová úloha" shows, as plain data; the window draws it.
struct NewTaskScreen {
    bool visible = false;
    int grade = 0;  // index into kOfferedGrades
    // Index into the sizes: kOfferedSizes first, then the structures.
    int size = 1;
    // The names of the structures of the structure file (UTF-8).
    std::vector<std::string> structures;
    int number = 0;  // "číslo úlohy", 0 to kMaxTaskNumber
    // "vytvoř" was pressed and the task is not ready yet: the choices and
    // "vytvoř" are off, "zruš" stops the making.
    bool working = false;
    // The making has taken longer than kShowWorkingAfter: the dialog says
    // that it works, and how far it got.
    bool workingShown = false;
    int attempt = 0;  // the attempt under way, from 1
    int maxAttempts = 0;
    // The making under way, or the latest, is of the task of the day, which
    // starts without the dialog.
    bool daily = false;
};

// The making of one task as a job, with how far it got. The table must
// outlive the job's run.
class TaskMakingJob : public Job {
  public:
    TaskMakingJob(TaskRequest request, const CombinationTable& table)
        : request_(std::move(request)), table_(table) {}
    // The task of the day of the date ("Úloha dne").
    TaskMakingJob(CalendarDate day, const CombinationTable& table)
        : request_(dailyTaskRequest(day)), day_(day), table_(table) {}

    int attempt() const { return attempt_.load(); }  // the attempt under way, from 1
    int maxAttempts() const { return maxAttempts_.load(); }
    // What was made; read once done().
    MadeTask& result() { return result_; }

    // For a front-end that makes the task elsewhere instead of calling
    // run() (a browser's worker, with a core of its own): what to make, and
    // what was made there, which ends the job.
    const TaskRequest& request() const { return request_; }
    // The date of a making of the task of the day; nothing for another.
    const std::optional<CalendarDate>& day() const { return day_; }
    void deliver(MadeTask made) {
        result_ = std::move(made);
        finish();
    }

  private:
    void work() override;

    TaskRequest request_;
    std::optional<CalendarDate> day_;
    const CombinationTable& table_;
    std::atomic<int> attempt_{0};
    std::atomic<int> maxAttempts_{0};
    MadeTask result_;  // written by the job before it is done, read after
};

// The making of a task for "Nová úloha" as a job that the front-end runs
// where it stays responsive (the desktop on a thread of its own); the task
// made does not depend on it. Owned by the Game, which keeps and loads the
// task once it is ready.
class NewTaskMaker {
  public:
    static constexpr std::chrono::milliseconds kShowWorkingAfter{300};

    explicit NewTaskMaker(const CombinationTable& table) : table_(table) {}
    // A making under way is asked to stop; the front-end that runs it waits
    // for it.
    ~NewTaskMaker();
    // How the makings run; without a runner, at once inside start().
    void useRunner(JobRunner runner) { runner_ = std::move(runner); }
    NewTaskMaker(const NewTaskMaker&) = delete;
    NewTaskMaker& operator=(const NewTaskMaker&) = delete;

    // Shows the dialog with these structures and number; the grade and the
    // size stay as they were chosen last (the size is reset when the
    // structures no longer reach it).
    void open(std::vector<NamedStructure> structures, int number);
    void setGrade(int index);
    void setSize(int index);
    void setNumber(int number);

    // The request the dialog's choices make.
    TaskRequest request() const;

    // "vytvoř": starts making the task of request(). False, with nothing
    // started, while a making is under way or the dialog is closed.
    bool start();
    // "Úloha dne": starts making the task of the day, without the dialog,
    // which stays closed; poll() gives it as for "vytvoř". False while a
    // making is under way.
    bool startDaily(CalendarDate day);
    // Looks at the making: the task once it has ended (made or not), and
    // nothing while it goes on or after it was cancelled. The dialog stays
    // open; the caller closes it.
    std::optional<MadeTask> poll();
    // Waits for the making under way to end and gives its task, as poll
    // would; nothing without one. For the tool and the tests.
    std::optional<MadeTask> wait();
    // "zruš" and the window's close box: a making under way is stopped (its
    // task is never given) and the dialog closes.
    void cancel();
    void close() { screen_.visible = false; }

    const NewTaskScreen& screen() const { return screen_; }

  private:
    // The task of the ended making; none when it was cancelled.
    std::optional<MadeTask> collect();
    // Starts the job as the front-end runs jobs.
    void run(std::shared_ptr<TaskMakingJob> job);

    const CombinationTable& table_;
    JobRunner runner_;
    NewTaskScreen screen_;
    std::vector<NamedStructure> structures_;
    std::shared_ptr<TaskMakingJob> job_;  // the latest making, until its task is taken
    bool cancelled_ = false;
    std::chrono::steady_clock::time_point started_;
};

// What the player is told of a task that was not made (UTF-8).
std::string notMadeMessage(const MadeTask& task);

// A fresh number for the dialog, 0 to kMaxTaskNumber, from the system's
// source of randomness.
int freshTaskNumber();

}  // namespace krizovky
