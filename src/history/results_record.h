#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/board.h"

namespace krizovky {

// One task finished and right, as the game records it at the
// congratulation. Texts are UTF-8.
struct GameResult {
    std::string taskFile;    // the task file's path
    std::string taskName;    // the task's name
    std::string taskHash;    // taskHash() of the task: an edited task is another task
    std::string grade;       // the logical solver's grade; empty when not known
    std::string finishedAt;  // local date and time, "2026-12-08 17:20:05"
    long seconds = 0;        // the time of play
    int level = 100;         // the lowest IQ level a square was selected at; 70 for the solver
    int nextSteps = 0;       // how often "&Další krok" was asked
    bool checked = false;    // "&Ukaž chyby" or "&Je to zatím správně?" was used
    bool bySolver = false;   // "70" finished it: no time of it is a personal best

    // Solved without "&Další krok", the checks of "&Pomoc" and "70".
    bool unaided() const { return !bySolver && nextSteps == 0 && !checked; }
};

// A task as the record knows it.
struct RecordedTask {
    std::string taskFile;
    std::string taskName;
    std::string taskHash;
};

// The player's results, oldest first, kept as one JSON file (a person can
// read it, another program can parse it).
class ResultsRecord {
  public:
    std::vector<GameResult> results;

    // The record that a file's bytes hold. Throws DamagedFileError when they
    // are no record.
    static ResultsRecord decode(std::string_view bytes);
    // The bytes of the record's file.
    std::string encode() const;

    // The task's best result: the shortest time solved unaided, else the
    // shortest with help, else a result of "70". None when never solved.
    std::optional<GameResult> best(const RecordedTask& task) const;
};

// What the task list shows beside a solved task: "bez nápovědy 12:41",
// "s nápovědou 15:02" or "vyřešil počítač".
std::string bestResultText(const GameResult& best);

// "12:41" under an hour, "1:02:03" from an hour on.
std::string formatPlayTime(long seconds);

// The numbers of one grade in "&Moje výsledky".
struct GradeSummary {
    std::string grade;
    int solvedTasks = 0;                // distinct tasks with any result
    std::optional<long> bestSeconds;    // over results not by "70"
    std::optional<long> medianSeconds;  // the same results' median
};
// The grades with at least one result: those of gradeOrder in its order, then
// any other grade (an empty one last) in the order they first appear.
std::vector<GradeSummary> summarizeByGrade(const ResultsRecord& record,
                                           const std::vector<std::string>& gradeOrder);

// A fingerprint of a task's squares: kind and sums of every cell of its
// size, as 16 hexadecimal digits.
std::string taskHash(const Board& board);

// The text as the record can keep it: valid UTF-8 as it is, other bytes
// replaced by U+FFFD. A task file's path is kept so, and compared so.
std::string recordText(std::string_view text);

// The local date and time now, as GameResult::finishedAt has it.
std::string localTimeNow();

}  // namespace krizovky
