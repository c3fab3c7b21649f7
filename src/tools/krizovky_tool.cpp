// krizovky-tool: the game without a window, for task authors and scripts.
//   krizovky-tool list TASKFILE        the task names in file order
//   krizovky-tool show TASKFILE NAME   the board that loading NAME gives
//   krizovky-tool play TASKFILE NAME   a game of NAME driven by the player's
//                                      events on standard input
//   krizovky-tool show-saved FILE      what a saved game file holds
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/data_files.h"
#include "app/game.h"
#include "app/headless_host.h"
#include "history/saved_game.h"
#include "model/errors.h"
#include "model/file_layer.h"
#include "model/task_list.h"
#include "model/text.h"
#include "tools/play.h"

namespace {

using namespace krizovky;

int fail(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return 1;
}

int usage() {
    return fail(
        "usage: krizovky-tool list TASKFILE\n"
        "       krizovky-tool show TASKFILE NAME\n"
        "       krizovky-tool play TASKFILE NAME < EVENTS\n"
        "       krizovky-tool show-saved FILE");
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

int show(const std::string& path, const std::string& utf8Name) {
    std::string name, error;
    if (!findTask(path, utf8Name, name, error)) return fail(error);

    HeadlessHost host;
    Game game(host);
    game.setTaskFilePath(path);
    game.setSelectedTaskName(name);
    game.loadTask();
    if (host.lastFailure) return fail(*host.lastFailure);
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

// A saved game as the file holds it: its counts, its board and its Moves.
int showSaved(const std::string& path) {
    std::string bytes;
    try {
        bytes = readFileStart(path, kSavedGameSize + 1);
    } catch (const RunError& e) {
        return fail(e.what());
    }
    SavedGame saved;
    std::string problem;
    if (!decodeSavedGame(bytes, saved, problem)) return fail(utf8FromCp1250(problem));
    std::printf("rows %d\ncols %d\nmoves %d\nmarks %d\n", saved.board.rowCount,
                saved.board.colCount, saved.moveCount, saved.markCount);
    printBoard(saved.board);
    for (int k = 1; k <= saved.moveCount; ++k) {
        const Move& m = saved.moves[k];
        std::printf("%d %d %d %d\n", m.row, m.col, m.byPlayer, m.prevDigit);
    }
    return 0;
}

int play(const std::string& path, const std::string& utf8Name) {
    std::string name, error;
    if (!findTask(path, utf8Name, name, error)) return fail(error);
    return playScript(executablePath(), path, name, std::cin);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "list") return list(args[1]);
    if (args.size() == 3 && args[0] == "show") return show(args[1], args[2]);
    if (args.size() == 3 && args[0] == "play") return play(args[1], args[2]);
    if (args.size() == 2 && args[0] == "show-saved") return showSaved(args[1]);
    return usage();
}
