// krizovky-tool: the game without a window, for task authors and scripts.
//   krizovky-tool list TASKFILE        the task names in file order
//   krizovky-tool show TASKFILE NAME   the board that loading NAME gives
//   krizovky-tool play [--record FILE] TASKFILE NAME
//                                      a game of NAME driven by the player's
//                                      events on standard input; with FILE
//                                      the record of results, and the game
//                                      kept beside it
//   krizovky-tool show-saved FILE      what a saved game file holds
//   krizovky-tool solve TASKFILE NAME [--limit N]
//                                      the solver of "70" on NAME, with its
//                                      counts and the board it leaves
//   krizovky-tool count TASKFILE NAME [--limit N]
//                                      the solutions of NAME counted up to N
//                                      by the exact solver, and the first
//   krizovky-tool check TASKFILE      every task's verdict: unique with its
//                                      difficulty, K solutions, no solution or
//                                      malformed, a line each in file order
//   krizovky-tool generate STRUCTUREFILE NUMBER [COUNT] [--unique]
//                                      COUNT tasks generated from task number
//                                      NUMBER, as a task file on standard
//                                      output; only the unique ones with
//                                      --unique
//   krizovky-tool collection STRUCTUREFILE TASKFILE
//                                      the shipped task collection made anew
//                                      from the structures, after the task
//                                      "priklad" of TASKFILE, on standard
//                                      output
//   krizovky-tool render TASKFILE NAME -o FILE [--game SAVEDGAME [--errors]]
//                 [--solution] [--paper a4|letter] [--dpi N] [--no-numbers]
//                                      the page of one board as a PDF, SVG or
//                                      PNG file
//   krizovky-tool booklet TASKFILE -o FILE.pdf [--per-page N] [--solutions]
//                 [--task NAME]... [--paper a4|letter] [--no-numbers]
//                                      many tasks in one PDF, their solutions
//                                      after them
//   krizovky-tool new --grade GRADE --size SIZE --number N [--count K]
//                     [--structures FILE]
//                                      K tasks of one solution at GRADE made
//                                      by the task maker from the numbers N,
//                                      N+1, ..., as a task file on standard
//                                      output
//   krizovky-tool daily [--date YYYY-MM-DD]
//                                      the task of the day, today's or the
//                                      date's, as a task file on standard
//                                      output
//   krizovky-tool stats --record FILE [--date YYYY-MM-DD]
//                                      the player's statistics from the record
//                                      of results, the streaks up to today or
//                                      the date
//   krizovky-tool combinations [--length N] [--sum S] [--with DIGITS]
//                 [--without DIGITS]
//                                      the combinations of distinct digits of
//                                      "Tabulka kombinací", a line each
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/board_picture.h"
#include "app/data_files.h"
#include "app/game.h"
#include "app/headless_host.h"
#include "app/statistics.h"
#include "history/damaged_file.h"
#include "history/saved_game.h"
#include "model/combination_table.h"
#include "model/errors.h"
#include "model/file_layer.h"
#include "model/file_storage.h"
#include "model/task_list.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "solver/exact_solver.h"
#include "solver/task_check.h"
#include "tools/collection.h"
#include "tools/combinations.h"
#include "tools/generate.h"
#include "tools/new_tasks.h"
#include "tools/play_script.h"
#include "tools/puzzle_links.h"
#if KRIZOVKY_DRAWING
#include "tools/render.h"
#endif

namespace {

using namespace krizovky;

int fail(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return 1;
}

#ifdef __EMSCRIPTEN__
EM_JS(int, stdoutIsTerminal, (), { return require("tty").isatty(1) ? 1 : 0; });
#endif

int usage() {
    return fail(
        "usage: krizovky-tool list TASKFILE\n"
        "       krizovky-tool show TASKFILE NAME\n"
        "       krizovky-tool play [--record FILE] TASKFILE NAME < EVENTS\n"
        "       krizovky-tool show-saved FILE\n"
        "       krizovky-tool solve TASKFILE NAME [--limit N]\n"
        "       krizovky-tool count TASKFILE NAME [--limit N]\n"
        "       krizovky-tool check TASKFILE\n"
        "       krizovky-tool generate STRUCTUREFILE NUMBER [COUNT] [--unique]\n"
        "       krizovky-tool collection STRUCTUREFILE TASKFILE\n"
        "       krizovky-tool import LINK|FILE [NAME]\n"
        "       krizovky-tool export TASKFILE NAME [--pzprv3]\n"
        "       krizovky-tool render TASKFILE NAME -o FILE.pdf|.svg|.png [--game SAVEDGAME "
        "[--errors]] [--solution] [--paper a4|letter] [--dpi N] [--no-numbers]\n"
        "       krizovky-tool booklet TASKFILE -o FILE.pdf [--per-page 1|2|4|6] [--solutions] "
        "[--task NAME]... [--paper a4|letter] [--no-numbers]\n"
        "       krizovky-tool new --grade lehká|střední|těžká|velmi-těžká\n"
        "                         --size malá|střední|velká|NAME --number N [--count K]\n"
        "                         [--structures FILE]\n"
        "       krizovky-tool daily [--date YYYY-MM-DD]\n"
        "       krizovky-tool stats --record FILE [--date YYYY-MM-DD]\n"
        "       krizovky-tool combinations [--length N] [--sum S] [--with DIGITS] "
        "[--without DIGITS]");
}

int list(const std::string& path) {
    std::vector<std::string> names;
    try {
        names = readTaskNames(path);
    } catch (const RunError& e) {
        return fail(e.what());
    }
    for (const auto& name : names)
        std::printf("%s\n", utf8FromCp1250(name).c_str());
    return 0;
}

// The Windows-1250 form of a task name given in UTF-8, when the task file
// holds a task of that name; otherwise the error text for the caller.
bool findTask(const std::string& path, const std::string& utf8Name, std::string& name,
              std::string& error) {
    std::vector<std::string> names;
    try {
        names = readTaskNames(path);
    } catch (const RunError& e) {
        error = e.what();
        return false;
    }
    bool known = tryCp1250FromUtf8(utf8Name, name);
    if (known) {
        known = false;
        for (const auto& n : names)
            known = known || n == name;
    }
    if (!known || name.empty()) {
        error = "no task named \"" + utf8Name + "\"";
        return false;
    }
    return true;
}

void printBoard(const Board& board);

// Loads the task named utf8Name from path into game as "&Znovu" loads it;
// the error text when there is no such task or the load fails.
std::optional<std::string> loadNamedTask(const std::string& path, const std::string& utf8Name,
                                         Game& game, HeadlessHost& host) {
    std::string name, error;
    if (!findTask(path, utf8Name, name, error)) return error;
    game.tasks().setTaskFilePath(path);
    game.tasks().setSelectedTaskName(name);
    game.tasks().loadTask();
    return host.lastFailure;
}

int show(const std::string& path, const std::string& utf8Name) {
    HeadlessHost host;
    FileStorage storage;
    Game game(host, storage);
    if (auto error = loadNamedTask(path, utf8Name, game, host)) return fail(*error);
    printBoard(game.board());
    return 0;
}

void printBoard(const Board& board) {
    for (int r = 1; r <= board.rowCount; ++r) {
        std::string line;
        for (int c = 1; c <= board.colCount; ++c) {
            if (c > 1) line += ' ';
            line += squareToken(board.at(r, c));
        }
        std::printf("%s\n", line.c_str());
    }
}

// The player's statistics from a record of results, with the streaks of the
// task of the day up to date (today by the local clock without one).
int showStatistics(const std::string& path, const std::string& dateText) {
    const std::optional<CalendarDate> today = parseCalendarDate(dateText);
    if (!today)
        return fail("krizovky-tool stats: --date is a day of the calendar as YYYY-MM-DD, not \"" +
                    dateText + "\"");
    ResultsRecord record;
    try {
        record = ResultsRecord::decode(readFileBytes(path));
    } catch (const DamagedFileError& e) {
        return fail(path + ": " + e.what());
    } catch (const RunError& e) {
        return fail(path + ": " + e.what());
    }
    const std::string text = statisticsText(statisticsOf(record, *today));
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

// A saved game as the file holds it: its counts, its board and its Moves.
int showSaved(const std::string& path) {
    std::string bytes;
    try {
        bytes = readFileStart(path, kLargestSavedGame + 1);
    } catch (const RunError& e) {
        return fail(e.what());
    }
    SavedGame saved;
    std::string problem;
    if (!decodeSavedGame(bytes, saved, problem)) return fail(problem);
    std::printf("rows %d\ncols %d\nmoves %d\nmarks %d\n", saved.board.rowCount,
                saved.board.colCount, saved.moveCount, saved.markCount);
    if (saved.extras.hasBlock) std::printf("time %u\n", saved.extras.seconds);
    printBoard(saved.board);
    for (int k = 1; k <= saved.moveCount; ++k) {
        const Move& m = saved.moves[k];
        std::printf("%d %d %d %d\n", m.row, m.col, m.byPlayer, m.prevDigit);
    }
    // The player's notes of the extension block, square by square.
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            if (const DigitSet notes = saved.board.at(r, c).notes; notes != 0)
                std::printf("notes %d %d %s\n", r, c, noteDigits(notes).c_str());
    return 0;
}

// The window's side of a solve: "Mám dotaz!" is answered " jsem trouba".
class SolveHost : public HeadlessHost {
  public:
    SolveHost() { confirmsSolver = true; }
};

const char* endText(SolveEnd end) {
    switch (end) {
        case SolveEnd::kSolved:
            return "solved";
        case SolveEnd::kUnsolvable:
            return "unsolvable";
        case SolveEnd::kStopped:
            return "stopped";
    }
    return "?";
}

int solve(const std::string& path, const std::string& utf8Name, long limit) {
    std::string name, error;
    if (!findTask(path, utf8Name, name, error)) return fail(error);

    SolveHost host;
    FileStorage storage;
    Game game(host, storage);
    // At the limit's placement the search stops as "přeruš" answered Yes stops it.
    game.solver().stopSolvingAfter(limit);
    game.start(gameProgramBeside(executablePath()), completeCombinationFile());
    game.tasks().setTaskFilePath(path);
    // Chosen in the task list, as the player chooses it.
    const bool chosen = game.tasks().chooseTaskByName(name);
    if (host.lastFailure) return fail(*host.lastFailure);
    if (!chosen) return fail("no task named \"" + utf8Name + "\"");

    game.solver().askToSolve();
    // With no window to draw it, one slice of the search follows another.
    while (game.solver().solving())
        game.solver().advanceSolve(SolverRun::Clock::now());
    const SolverRun::Report& report = game.solver().lastSolve();
    std::printf("%s\nplacements %ld\nbacktracks %ld\nmoves %d\n", endText(report.end),
                report.placements, report.backtracks, game.history().moveCount);
    printBoard(game.board());
    return 0;
}

// The exact solver on the task as loading it gives it: the solutions counted
// up to limit and the first of them.
int count(const std::string& path, const std::string& utf8Name, long limit) {
    HeadlessHost host;
    FileStorage storage;
    Game game(host, storage);
    if (auto error = loadNamedTask(path, utf8Name, game, host)) return fail(*error);
    const ExactResult result =
        solveExact(game.board(), completeCombinationTable(), static_cast<int>(limit));
    if (!result.malformed.empty()) return fail("malformed: " + result.malformed);
    std::printf("solutions %d\n", result.solutions);
    if (result.solutions >= 1) printBoard(result.first);
    return 0;
}

// Every task of the file, in file order, with its verdict; 1 when any of
// them has not exactly one solution. Each task is read from its own lines, so
// a second task of the same name is judged as it stands.
int check(const std::string& path) {
    std::vector<std::string> lines;
    try {
        lines = splitLines(readFileBytes(path));
    } catch (const RunError& e) {
        return fail(e.what());
    }
    const CombinationTable& table = completeCombinationTable();
    bool allUnique = true;
    for (const TaskOfFile& task : tasksOfFile(lines)) {
        std::string verdict;
        TaskCheck result;
        if (task.error.empty()) {
            result = checkTask(task.board, table);
        } else {
            result.verdict = TaskVerdict::kMalformed;
            result.reason = task.error;
        }
        switch (result.verdict) {
            case TaskVerdict::kUnique:
                verdict = std::string("unique\t") + difficultyName(result.difficulty);
                break;
            case TaskVerdict::kSeveral:
                verdict = "2 solutions";
                break;
            case TaskVerdict::kNoSolution:
                verdict = "no solution";
                break;
            case TaskVerdict::kMalformed:
                verdict = "malformed: " + result.reason;
                break;
        }
        allUnique = allUnique && result.verdict == TaskVerdict::kUnique;
        std::printf("%s\t%s\n", utf8FromCp1250(task.name).c_str(), verdict.c_str());
    }
    return allUnique ? 0 : 1;
}

// A positive number of placements or solutions.
std::optional<long> limitOf(const std::string& text) {
    long value = 0;
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(text.data(), last, value);
    if (end != last || error != std::errc() || value < 1) return std::nullopt;
    return value;
}

int play(const std::string& path, const std::string& utf8Name, const std::string& record = {}) {
    std::string name, error;
    if (!findTask(path, utf8Name, name, error)) return fail(error);
    return playScript(gameProgramBeside(executablePath()), path, name, std::cin, record);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef __EMSCRIPTEN__
    // Standard output buffered as the C library buffers it natively: by the
    // line on a terminal, whole blocks into a file or a pipe. Emscripten's
    // takes every stream for a terminal and writes each line through calls
    // of Node's own: some 30 ms of a check of 2,000 tasks.
    if (!stdoutIsTerminal()) std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "list") return list(args[1]);
    if (args.size() == 3 && args[0] == "show") return show(args[1], args[2]);
    if (args.size() == 3 && args[0] == "play") return play(args[1], args[2]);
    if (args.size() == 5 && args[0] == "play" && args[1] == "--record")
        return play(args[3], args[4], args[2]);
    if (args.size() == 2 && args[0] == "show-saved") return showSaved(args[1]);
    if (args.size() == 3 && args[0] == "stats" && args[1] == "--record")
        return showStatistics(args[2], localTimeNow().substr(0, 10));
    if (args.size() == 5 && args[0] == "stats" && args[1] == "--record" && args[3] == "--date")
        return showStatistics(args[2], args[4]);
    if (args.size() == 3 && args[0] == "solve") return solve(args[1], args[2], 0);
    if (args.size() == 5 && args[0] == "solve" && args[3] == "--limit") {
        if (auto limit = limitOf(args[4])) return solve(args[1], args[2], *limit);
    }
    if (args.size() == 3 && args[0] == "count") return count(args[1], args[2], 2);
    if (args.size() == 5 && args[0] == "count" && args[3] == "--limit") {
        if (auto limit = limitOf(args[4]); limit && *limit <= 1000000)
            return count(args[1], args[2], *limit);
    }
    if (args.size() == 2 && args[0] == "check") return check(args[1]);
    if (args.size() == 3 && args[0] == "collection") return makeCollection(args[1], args[2]);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "import")
        return importPuzzleLink(args[1], args.size() == 3 ? std::optional(args[2]) : std::nullopt);
    if (args.size() == 3 && args[0] == "export") return exportPuzzleLink(args[1], args[2], false);
    if (args.size() == 4 && args[0] == "export" && args[3] == "--pzprv3")
        return exportPuzzleLink(args[1], args[2], true);
#if KRIZOVKY_DRAWING
    if (!args.empty() && args[0] == "render") return renderTask(args, usage);
    if (!args.empty() && args[0] == "booklet") return makeBooklet(args, usage);
#else
    // The painter is Qt's, which a build without Qt does not have.
    if (!args.empty() && (args[0] == "render" || args[0] == "booklet"))
        return fail("krizovky-tool " + args[0] + ": this build cannot draw");
#endif
    if (!args.empty() && args[0] == "daily")
        return dailyTask(std::vector<std::string>(args.begin() + 1, args.end()));
    if (!args.empty() && args[0] == "combinations")
        return printCombinations(std::vector<std::string>(args.begin() + 1, args.end()));
    if (!args.empty() && args[0] == "new")
        return newTasks(std::vector<std::string>(args.begin() + 1, args.end()),
                        dataFileNames(gameProgramBeside(executablePath())).structureFile);
    const bool unique = !args.empty() && args.back() == "--unique";
    if (unique) args.pop_back();
    if ((args.size() == 3 || args.size() == 4) && args[0] == "generate") {
        long count = 1;
        if (args.size() == 4) {
            const char* last = args[3].data() + args[3].size();
            auto [end, error] = std::from_chars(args[3].data(), last, count);
            if (end != last || error != std::errc() || count < 0) return usage();
        }
        return generateTasks(args[1], args[2], count, unique);
    }
    return usage();
}
