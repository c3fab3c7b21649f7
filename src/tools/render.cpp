// krizovky-tool render and booklet: boards on paper and in files, drawn by
// the same painter as the printer's, without a display.
#include "tools/render.h"

#include <charconv>
#include <cstdio>

#include "app/board_picture.h"
#include "history/saved_game.h"
#include "model/combination_table.h"
#include "model/errors.h"
#include "model/file_layer.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "ui/headless_files.h"

namespace krizovky {
namespace {

using ui::BookletStyle;
using ui::FileKind;
using ui::PageStyle;

int fail(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return 1;
}

struct Options {
    std::vector<std::string> operands;
    std::string output;
    std::string game;
    bool solution = false;
    bool errors = false;
    bool solutions = false;
    int perPage = 4;
    std::vector<std::string> tasks;
    PageStyle page;
};

std::optional<int> numberOf(const std::string& text) {
    int value = 0;
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(text.data(), last, value);
    if (end != last || error != std::errc()) return std::nullopt;
    return value;
}

// The words after the verb; false for a word the verb does not know, an
// option without its value, or a value out of its range.
bool parseOptions(const std::vector<std::string>& args, bool booklet, Options& options) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool hasValue = i + 1 < args.size();
        auto value = [&]() -> const std::string& { return args[++i]; };
        if (word == "-o" && hasValue) {
            options.output = value();
        } else if (word == "--paper" && hasValue) {
            const std::string& paper = value();
            if (paper != "a4" && paper != "letter") return false;
            options.page.paper = paper == "a4" ? ui::Paper::kA4 : ui::Paper::kLetter;
        } else if (word == "--no-numbers") {
            options.page.numbers = false;
        } else if (!booklet && word == "--game" && hasValue) {
            options.game = value();
        } else if (!booklet && word == "--solution") {
            options.solution = true;
        } else if (!booklet && word == "--errors") {
            options.errors = true;
        } else if (!booklet && word == "--dpi" && hasValue) {
            const auto dpi = numberOf(value());
            if (!dpi || *dpi < ui::kMinimumDpi || *dpi > ui::kMaximumDpi) return false;
            options.page.dpi = *dpi;
        } else if (booklet && word == "--per-page" && hasValue) {
            const auto perPage = numberOf(value());
            if (!perPage || !ui::validTasksPerPage(*perPage)) return false;
            options.perPage = *perPage;
        } else if (booklet && word == "--solutions") {
            options.solutions = true;
        } else if (booklet && word == "--task" && hasValue) {
            options.tasks.push_back(value());
        } else if (word.starts_with("-")) {
            return false;
        } else {
            options.operands.push_back(word);
        }
    }
    if (options.output.empty()) return false;
    if (!options.game.empty() && options.solution) return false;
    return !options.errors || !options.game.empty();
}

// The tasks of a task file in file order, each read from its own lines.
bool readTasks(const std::string& path, std::vector<TaskOfFile>& tasks, std::string& error) {
    try {
        tasks = tasksOfFile(splitLines(readTaskFile(path)));
    } catch (const RunError& e) {
        error = e.what();
        return false;
    }
    return true;
}

// The first task named utf8Name, as loading it from the task list gives it.
const TaskOfFile* findTask(const std::vector<TaskOfFile>& tasks, const std::string& utf8Name,
                           std::string& error) {
    std::string name;
    if (tryCp1250FromUtf8(utf8Name, name) && !name.empty()) {
        for (const TaskOfFile& task : tasks) {
            if (task.name != name) continue;
            if (!task.error.empty()) {
                error = task.error;
                return nullptr;
            }
            return &task;
        }
    }
    error = "no task named \"" + utf8Name + "\"";
    return nullptr;
}

bool sameTask(const BoardPicture& a, const BoardPicture& b) {
    if (a.rows != b.rows || a.columns != b.columns) return false;
    for (int r = 1; r <= a.rows; ++r)
        for (int c = 1; c <= a.columns; ++c) {
            const PictureSquare& x = a.at(r, c);
            const PictureSquare& y = b.at(r, c);
            if (x.kind != y.kind || x.acrossSum != y.acrossSum || x.downSum != y.downSum)
                return false;
        }
    return true;
}

// The game of a saved game file drawn over the task: its digits, and its
// wrong digits flagged when asked.
std::optional<std::string> drawSavedGame(const Options& options, const PrintedTask& printed,
                                         BoardPicture& picture) {
    std::string bytes;
    try {
        bytes = readFileStart(options.game, kLargestSavedGame + 1);
    } catch (const RunError& e) {
        return e.what();
    }
    SavedGame saved;
    std::string problem;
    if (!decodeSavedGame(bytes, saved, problem)) return problem;
    BoardPicture game = pictureOfGame(saved.board);
    if (!sameTask(game, printed.task))
        return "the saved game " + options.game + " is not a game of the task \"" +
               utf8FromCp1250(printed.name) + "\"";
    if (options.errors) {
        if (!printed.solution) return "no single solution: " + printed.grade;
        markWrongDigits(game, *printed.solution);
    }
    game.caption = printed.task.caption;
    picture = game;
    return std::nullopt;
}

int writeOutput(const std::string& path, const std::string& bytes) {
    // An image too large for memory, or a writer that failed, gives nothing.
    if (bytes.empty()) return fail("the drawing of " + path + " failed");
    try {
        writeFileReplacing(path, bytes);
    } catch (const RunError& e) {
        return fail(e.what());
    }
    return 0;
}

}  // namespace

int renderTask(const std::vector<std::string>& args, int (*usage)()) {
    Options options;
    if (!parseOptions(args, false, options) || options.operands.size() != 2) return usage();
    const auto kind = ui::fileKindOf(options.output);
    if (!kind) return fail("unknown file type: " + options.output + " (.pdf, .svg or .png)");

    std::vector<TaskOfFile> tasks;
    std::string error;
    if (!readTasks(options.operands[0], tasks, error)) return fail(error);
    const TaskOfFile* task = findTask(tasks, options.operands[1], error);
    if (!task) return fail(error);
    const PrintedTask printed = printedTask(task->board, task->name, completeCombinationTable());

    BoardPicture picture = printed.task;
    if (options.solution) {
        if (!printed.solution) return fail("no single solution: " + printed.grade);
        picture = *printed.solution;
    }
    if (!options.game.empty())
        if (auto problem = drawSavedGame(options, printed, picture)) return fail(*problem);

    return writeOutput(options.output, ui::headlessBoardFile(*kind, picture, options.page));
}

int makeBooklet(const std::vector<std::string>& args, int (*usage)()) {
    Options options;
    if (!parseOptions(args, true, options) || options.operands.size() != 1) return usage();
    if (ui::fileKindOf(options.output) != FileKind::kPdf)
        return fail("a booklet is a PDF file: " + options.output);

    std::vector<TaskOfFile> tasks;
    std::string error;
    if (!readTasks(options.operands[0], tasks, error)) return fail(error);
    std::vector<const TaskOfFile*> chosen;
    if (options.tasks.empty()) {
        for (const TaskOfFile& task : tasks) {
            if (!task.error.empty()) return fail(utf8FromCp1250(task.name) + ": " + task.error);
            chosen.push_back(&task);
        }
    } else {
        for (const std::string& name : options.tasks) {
            const TaskOfFile* task = findTask(tasks, name, error);
            if (!task) return fail(error);
            chosen.push_back(task);
        }
    }
    if (chosen.empty()) return fail("no tasks in " + options.operands[0]);

    std::vector<PrintedTask> printed;
    for (const TaskOfFile* task : chosen)
        printed.push_back(printedTask(task->board, task->name, completeCombinationTable()));

    const BookletStyle style{options.page, options.perPage, options.solutions};
    return writeOutput(options.output, ui::headlessBookletPdf(printed, style));
}

}  // namespace krizovky
