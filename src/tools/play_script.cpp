#include "tools/play_script.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/game.h"
#include "app/host.h"
#include "model/combination_table.h"
#include "model/file_storage.h"
#include "model/text.h"

namespace krizovky {
namespace {

// A message box's text as one line of UTF-8: a line break inside it becomes
// the two characters "\n", so every box is exactly one line of output.
std::string oneLine(std::string_view utf8) {
    std::string line;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        char ch = utf8[i];
        if (ch == '\r' || ch == '\n') {
            line += "\\n";
            if (ch == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        } else {
            line += ch;
        }
    }
    return line;
}

// The player at the screen: every box is printed as it is shown and every
// question is answered Yes. While the program starts and the task loads, an
// error or a failure is kept instead, to end the run with it.
class ScriptHost : public Host {
  public:
    bool starting = true;
    std::optional<std::string> startFailure;

    // The file the script names for the next dialog; cancelled without one.
    std::optional<std::string> nextFile;

    // A text printed as a box is.
    void message(std::string_view text) { print("message", text); }

    void requestPosted(Requests& requests) override {
        while (const Request* request = requests.pending()) {
            switch (request->kind) {
                case RequestKind::kMessage:
                    message(request->text);
                    break;
                case RequestKind::kError:
                    if (starting)
                        startFailure = request->text;
                    else
                        print("error", request->text);
                    break;
                // A failed operation shows the system's text in a plain box.
                case RequestKind::kFailure:
                    if (starting)
                        startFailure = request->text;
                    else
                        print("message", request->text);
                    break;
                case RequestKind::kYesNo:
                case RequestKind::kYesNoCancel:
                    print("question", request->text);
                    break;
                // "Mám dotaz!" is answered " jsem trouba".
                case RequestKind::kSolverQuestion:
                    break;
                case RequestKind::kFile:
                    requests.answerFile(std::exchange(nextFile, std::nullopt));
                    continue;
            }
            requests.answer(Answer::kYes);
        }
    }
    void repaintSquare(int, int) override {}
    void repaintGauge() override {}
    void copyToClipboard(std::string_view text) override { print("clipboard", text); }

  private:
    static void print(const char* kind, std::string_view text) {
        std::printf("%s: %s\n", kind, oneLine(text).c_str());
    }
};

const char* levelText(Level level) {
    switch (level) {
        case Level::k100:
            return "100";
        case Level::k130:
            return "130";
        case Level::k160:
            return "160";
    }
    return "?";
}

char colourLetter(const std::optional<Colour>& colour) {
    if (!colour) return '?';
    switch (*colour) {
        case kYellow:
            return 'Y';
        case kRed:
            return 'R';
        case kAqua:
            return 'A';
        case kLime:
            return 'L';
        case kFuchsia:
            return 'F';
        case kOrange:
            return 'O';
        case kOlive:
            return 'V';
        case kGray:
            return 'G';
        case kSkyBlue:
            return 'S';
        case kBlue:
            return 'B';
        case kPink:
            return 'P';
        default:
            return '?';
    }
}

// The token of show, an entry square followed by the letter of its colour and
// its notes, hidden under a digit or not.
std::string stateToken(const Game& game, int row, int column) {
    const Cell& cell = game.board().at(row, column);
    std::string token = squareToken(cell);
    if (cell.kind == kEntry) {
        token += colourLetter(game.screen().square(row, column).background);
        if (cell.notes != 0) token += "{" + noteDigits(cell.notes) + "}";
    }
    return token;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += ' ';
        text += line;
    }
    return text;
}

// The numbers from..to of the shown items, each after one blank.
template <typename Shown>
std::string shownNumbers(int from, int to, Shown shown) {
    std::string text;
    for (int i = from; i <= to; ++i)
        if (shown(i)) text += " " + std::to_string(i);
    return text;
}

void printState(const Game& game) {
    const MainScreen& screen = game.screen();
    const MoveHistory& history = game.history();
    // What notes and redo add is printed only when it is there or not as
    // usual, so that a game without them prints as it always has.
    std::printf("level %s autofill %s checking %s current %d %d%s%s\n",
                levelText(game.options().level), game.play().autoFillOn() ? "on" : "off",
                game.play().checkingOn() ? "on" : "off", game.play().currentSquare().row,
                game.play().currentSquare().column, game.moves().notesMode() ? " notesmode on" : "",
                game.options().eraseNotes ? "" : " erasenotes off");
    std::printf("moves %d marks %d last %d %d%s\n", history.moveCount, history.markCount,
                history.lastPlayerMove.row, history.lastPlayerMove.column,
                game.moves().redoCount() > 0
                    ? (" redo " + std::to_string(game.moves().redoCount())).c_str()
                    : "");
    for (int r = 1; r <= kBoardSize; ++r) {
        std::string line;
        for (int c = 1; c <= kBoardSize; ++c) {
            if (c > 1) line += ' ';
            line += stateToken(game, r, c);
        }
        std::printf("%s\n", line.c_str());
    }
    std::printf("across:%s\n", screen.acrossPanel ? joined(screen.acrossHints).c_str() : " hidden");
    std::printf("down:%s\n", screen.downPanel ? joined(screen.downHints).c_str() : " hidden");
    if (!screen.allowedPanel)
        std::printf("allowed: hidden\n");
    else
        std::printf("allowed: [%s]\n",
                    screen.allowedDigits.empty() ? "" : screen.allowedDigits.front().c_str());
    std::printf("menu:%s\n",
                shownNumbers(1, 9, [&](int d) { return screen.digitItemEnabled[d]; }).c_str());
    const bool buttons[] = {screen.markButton, screen.undoButton, screen.undoToMarkButton,
                            screen.checkButton};
    std::printf("buttons:%s\n", shownNumbers(1, 4, [&](int b) { return buttons[b - 1]; }).c_str());
    std::printf("swatches:%s\n",
                shownNumbers(1, 4, [&](int k) { return screen.swatch[k]; }).c_str());
    std::printf("legends:%s\n", shownNumbers(21, 22, [&](int n) {
                                    return n == 21 ? screen.duplicateLegend : screen.wrongSumLegend;
                                }).c_str());
    for (int k = 1; k <= history.moveCount; ++k) {
        const Move& move = history.move(k);
        std::printf("move %d: %d %d %d %d\n", k, move.row, move.col, move.byPlayer, move.prevDigit);
    }
}

std::vector<std::string> wordsOf(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start) words.emplace_back(line.substr(start, i - start));
    }
    return words;
}

// One line of the script turned into a call of the window's handler. A
// line that is no event gives the reason instead.
class EventRunner {
  public:
    EventRunner(Game& game, ScriptHost& host) : game_(game), host_(host) {}

    std::optional<std::string> run(std::string_view line) {
        const std::vector<std::string> words = wordsOf(line);
        const std::string& event = words.front();
        const auto pathStart = line.find_first_not_of(" \t", line.find(event) + event.size());
        path_ = pathStart == std::string_view::npos ? "" : std::string(line.substr(pathStart));
        args_.assign(words.begin() + 1, words.end());
        numbers_.clear();

        if (const auto handler = menuHandler(event)) {
            if (auto wrong = readNumbers({})) return wrong;
            (*handler)(game_);
            // The window shows a step in its panel; the script prints the
            // whole explanation as it prints a box.
            if (event == "hint" && game_.screen().step.shown)
                host_.message(game_.screen().step.explanation);
            return std::nullopt;
        }
        return runEvent(event);
    }

  private:
    using Handler = void (*)(Game&);

    // The handler of a menu item or button that takes nothing more.
    static std::optional<Handler> menuHandler(std::string_view event) {
        static constexpr std::pair<std::string_view, Handler> kMenuAndButtons[] = {
            {"check", [](Game& game) { game.play().checkWholeBoard(); }},
            {"undo", [](Game& game) { game.moves().undoMove(); }},
            {"mark", [](Game& game) { game.moves().setMark(); }},
            {"tomark", [](Game& game) { game.moves().undoToMark(); }},
            {"autofill", [](Game& game) { game.play().toggleAutoFill(); }},
            {"checking", [](Game& game) { game.play().toggleChecking(); }},
            {"reload", [](Game& game) { game.tasks().reloadTask(); }},
            {"hint", [](Game& game) { game.help().showNextStep(); }},
            {"verify", [](Game& game) { game.help().verifyBoard(); }},
            {"errors", [](Game& game) { game.help().showErrors(); }},
            {"redo", [](Game& game) { game.moves().redoMove(); }},
            {"notes", [](Game& game) { game.moves().fillNotes(); }},
            {"notesmode", [](Game& game) { game.moves().toggleNotesMode(); }},
            {"erasenotes", [](Game& game) { game.play().toggleEraseNotes(); }},
        };
        for (const auto& [name, handler] : kMenuAndButtons)
            if (event == name) return handler;
        return std::nullopt;
    }

    // The events with numbers or a file after them.
    std::optional<std::string> runEvent(const std::string& event) {
        if (event == "click" || event == "dblclick" || event == "popup") {
            if (auto wrong = readNumbers({{1, kBoardSize}, {1, kBoardSize}})) return wrong;
            int row = numbers_[0], column = numbers_[1];
            if (event == "click")
                game_.play().selectSquare(row, column);
            else if (event == "dblclick")
                game_.play().writeSingleDigit(row, column);
            else
                game_.play().openSquareMenu(row, column);
        } else if (event == "digit") {
            if (auto wrong = readNumbers({{1, 9}})) return wrong;
            // Without a pop-up menu opened there is no item to choose.
            if (!game_.play().popupSquare().none()) game_.play().chooseDigit(numbers_[0]);
        } else if (event == "erase") {
            if (auto wrong = readNumbers({})) return wrong;
            if (!game_.play().popupSquare().none()) game_.play().eraseSquare();
        } else if (event == "note") {
            // Ctrl and the digit on the square.
            if (auto wrong = readNumbers({{1, kBoardSize}, {1, kBoardSize}, {1, 9}})) return wrong;
            game_.moves().toggleNote(numbers_[0], numbers_[1], numbers_[2]);
        } else if (event == "swatch" || event == "unswatch") {
            if (auto wrong = readNumbers({{1, 4}})) return wrong;
            if (event == "swatch")
                game_.moves().highlightMark(numbers_[0]);
            else
                game_.moves().removeMark(numbers_[0]);
        } else if (event == "solve") {
            // "70", answered " jsem trouba": the solve runs to its end.
            if (auto wrong = readNumbers({})) return wrong;
            game_.solver().askToSolve();
            while (game_.solver().solving())
                game_.solver().advanceSolve(SolverRun::Clock::now());
        } else if (event == "level") {
            // The three Levels of "&IQ"; "70" is the event solve.
            if (args_.size() != 1) return "expects 1 number";
            if (args_[0] == "100")
                game_.play().setLevel(Level::k100);
            else if (args_[0] == "130")
                game_.play().setLevel(Level::k130);
            else if (args_[0] == "160")
                game_.play().setLevel(Level::k160);
            else
                return "the level is 100, 130 or 160";
        } else if (event == "save" || event == "load") {
            // The rest of the line is the path chosen in the dialog.
            if (args_.empty()) return "expects a file";
            host_.nextFile = path_;
            if (event == "save")
                game_.persistence().saveGame();
            else
                game_.persistence().loadGame();
        } else if (event == "tick") {
            // Time passes as it would between the player's moves.
            if (auto wrong = readNumbers({{0, 1000000}})) return wrong;
            game_.persistence().playClock().passTime(PlayClock::Milliseconds{1000} * numbers_[0]);
        } else if (event == "newtask") {
            if (auto wrong = makeNewTask()) return wrong;
        } else if (event == "importlink") {
            // "Vložit úlohu z &odkazu…": the link typed, the name after it
            // (or the one offered), and "vlož"; a refused link prints why.
            if (args_.empty()) return "expects a link";
            game_.newTasks().openLinkImport({});
            game_.newTasks().setLinkText(args_[0]);
            const auto name = path_.find_first_not_of(" \t", args_[0].size());
            if (name != std::string::npos)
                game_.newTasks().setImportName(cp1250FromUtf8(path_.substr(name)));
            if (!game_.newTasks().linkImportScreen().refusal.empty())
                std::printf("refused: %s\n", game_.newTasks().linkImportScreen().refusal.c_str());
            game_.newTasks().importLinkedTask();
            game_.newTasks().cancelLinkImport();
        } else if (event == "copylink") {
            if (auto wrong = readNumbers({})) return wrong;
            game_.newTasks().copyTaskLink();
        } else if (event == "show") {
            if (auto wrong = readNumbers({})) return wrong;
            printState(game_);
        } else {
            return "unknown event";
        }
        return std::nullopt;
    }

    struct Range {
        int low;
        int high;
    };

    // "&Nová úloha…" with GRADE SIZE NUMBER chosen in the dialog, "vytvoř",
    // and the making waited for. SIZE is "malá", "střední", "velká" or the
    // name of a structure of the structure file, blanks and all.
    std::optional<std::string> makeNewTask() {
        if (args_.size() < 3) return "expects a grade, a size and a number";
        static constexpr std::string_view kGrades[] = {"lehká", "střední", "těžká", "velmi-těžká"};
        const auto grade = std::find(std::begin(kGrades), std::end(kGrades), args_.front());
        if (grade == std::end(kGrades)) return "the grade is lehká, střední, těžká or velmi-těžká";
        std::string size = args_[1];
        for (std::size_t i = 2; i + 1 < args_.size(); ++i)
            size += " " + args_[i];
        args_ = {args_.back()};
        if (auto wrong = readNumbers({{0, kMaxTaskNumber}})) return wrong;

        game_.newTasks().openNewTask();
        std::vector<std::string> sizes{"malá", "střední", "velká"};
        for (const std::string& structure : game_.newTasks().newTaskScreen().structures)
            sizes.push_back(structure);
        const auto chosen = std::find(sizes.begin(), sizes.end(), size);
        if (chosen == sizes.end()) {
            game_.newTasks().cancelNewTask();
            return "the size is malá, střední, velká or a structure's name";
        }
        game_.newTasks().newTask().setGrade(static_cast<int>(grade - std::begin(kGrades)));
        game_.newTasks().newTask().setSize(static_cast<int>(chosen - sizes.begin()));
        game_.newTasks().newTask().setNumber(numbers_[0]);
        game_.newTasks().createNewTask();
        game_.newTasks().waitForNewTask();
        // A task that was not made leaves the dialog open; the script goes on
        // on the board as it was.
        game_.newTasks().cancelNewTask();
        return std::nullopt;
    }

    // Reads one number for each range into numbers_.
    std::optional<std::string> readNumbers(std::initializer_list<Range> ranges) {
        if (args_.size() != ranges.size()) {
            if (ranges.size() == 0) return "nothing may follow the event";
            return "expects " + std::to_string(ranges.size()) +
                   (ranges.size() == 1 ? " number" : " numbers");
        }
        std::size_t i = 0;
        for (const Range& range : ranges) {
            const std::string& word = args_[i++];
            const char* last = word.data() + word.size();
            int value = 0;
            auto [end, error] = std::from_chars(word.data(), last, value);
            if (end != last || error == std::errc::invalid_argument)
                return "\"" + word + "\" is not a number";
            if (error != std::errc() || value < range.low || value > range.high)
                return word + " is out of range " + std::to_string(range.low) + ".." +
                       std::to_string(range.high);
            numbers_.push_back(value);
        }
        return std::nullopt;
    }

    Game& game_;
    ScriptHost& host_;
    std::vector<std::string> args_;
    std::string path_;  // the line after the event
    std::vector<int> numbers_;
};

}  // namespace

std::string noteDigits(DigitSet notes) {
    std::string digits;
    for (int d = 1; d <= 9; ++d)
        if (notes & digitBit(d)) digits += static_cast<char>('0' + d);
    return digits;
}

std::string squareToken(const Cell& cell) {
    switch (cell.kind) {
        case kBlank:
            return "x";
        case kClue:
            return std::to_string(cell.acrossSum) + "/" + std::to_string(cell.downSum);
        case kEntry:
            return cell.digit == 0 ? "_" : std::to_string(cell.digit);
        default:
            return "k" + std::to_string(cell.kind);
    }
}

int playScript(const std::string& executable, const std::string& taskFile, const std::string& name,
               std::istream& in, const std::string& record) {
    ScriptHost host;
    FileStorage storage;
    Game game(host, storage);
    // The table the build writes beside the program, held in memory, so the
    // run does not depend on a file there.
    game.start(executable, completeCombinationFile());
    game.tasks().setTaskFilePath(taskFile);
    if (!record.empty()) {
        // The record names the task file wherever the next run starts from.
        game.tasks().setTaskFilePath(
            std::filesystem::absolute(taskFile).lexically_normal().string());
        game.persistence().usePlayerFiles(playerFilesBeside(record));
    }
    const bool chosen = game.persistence().resumeKeptGame() || game.tasks().chooseTaskByName(name);
    if (!host.startFailure && !chosen)
        host.startFailure = "no task named \"" + utf8FromCp1250(name) + "\"";
    if (host.startFailure) {
        std::fprintf(stderr, "%s\n", host.startFailure->c_str());
        return 1;
    }
    host.starting = false;

    EventRunner runner(game, host);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with('#') || isBlankLine(line)) continue;
        if (auto wrong = runner.run(line)) {
            std::fflush(stdout);
            std::fprintf(stderr, "line %d: \"%s\": %s\n", number, line.c_str(), wrong->c_str());
            return 1;
        }
    }
    // The end of the input closes the program.
    if (!record.empty()) {
        game.persistence().confirmQuit();
        if (game.persistence().quitConfirmed()) game.quit();
    }
    return 0;
}

}  // namespace krizovky
