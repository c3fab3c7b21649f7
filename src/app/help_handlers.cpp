// The handlers of "&Pomoc": the next step of the logical solver from the board
// as it stands, and the board compared with the task's one solution. They
// only paint and tell; the digits stay the player's to write.
#include <map>

#include "app/game_help.h"

#include "app/game_persistence.h"
#include "app/play_session.h"
#include "app/solver_session.h"
#include "model/czech_plural.h"
#include "model/text.h"
#include "solver/explanations.h"
#include "solver/logical_solver.h"

namespace krizovky {

namespace {

// The deductions explained one by one; a longer way to the next digit has its
// earlier steps summed up and only the last one explained.
constexpr std::size_t kStepsExplainedInFull = 5;

// "1 políčko", "3 políčka", "7 políček" with the verb that goes with each.
std::string squaresWithVerb(int count, const char* one, const char* few) {
    return std::string(czechPlural(count, one, few, one)) + " " + std::to_string(count) + " " +
           czechPlural(count, "políčko", "políčka", "políček");
}

// Why a task without one solution gets no judgement, UTF-8.
std::string noUniqueSolution(const TaskClass& task) {
    switch (task.verdict) {
        case TaskVerdict::kSeveral:
            return "Tato úloha má víc než jedno řešení.";
        case TaskVerdict::kNoSolution:
            return "Tato úloha nemá žádné řešení.";
        default:
            return "Tato úloha není správně zadaná: některá řada nemá součet, "
                   "nebo se její součet nedá složit z různých cifer.";
    }
}

// What is wrong with a task without one solution, as the name area says it
// (UTF-8).
std::string taskProblemText(const TaskClass& task) {
    switch (task.verdict) {
        case TaskVerdict::kSeveral:
            return "úloha má více řešení";
        case TaskVerdict::kNoSolution:
            return "úloha nemá řešení";
        case TaskVerdict::kMalformed:
            return "úloha je poškozená: " + task.playerReason;
        case TaskVerdict::kUnique:
            break;
    }
    return {};
}

// The task of a board: the board without the digits written into it.
Board taskOfBoard(const Board& board) {
    Board task = board;
    for (int r = 1; r <= task.rowCount; ++r)
        for (int c = 1; c <= task.colCount; ++c)
            if (task.at(r, c).kind == kEntry) task.at(r, c).digit = 0;
    return task;
}

// The dead ends the check at a load may meet. Published tasks and 15 x 15
// tasks of several solutions are sorted well within it, in tens of
// milliseconds at most; a broken large task whose search would run on for
// minutes stops here after about as long, says nothing beside its name, and
// is left for "&Pomoc" to sort.
constexpr long kLoadCheckBudget = 5000;

// "Úvaha "jediná kombinace": Součet 4 ...", after "3. " with a small letter.
std::string stepText(const std::string& label, const Deduction& d, const Board& board) {
    return label + " \"" + techniqueName(d.technique) + "\": " + explainDeduction(d, board);
}

// The whole explanation of a hint: each deduction in a paragraph of its own,
// in the order the solver made them.
std::string hintText(const std::vector<Deduction>& steps, const Board& board) {
    if (steps.size() == 1) return stepText("Úvaha", steps[0], board);
    std::string text = "Další cifra vyjde po " + std::to_string(steps.size()) + " úvahách.";
    std::size_t first = 0;
    if (steps.size() > kStepsExplainedInFull) {
        // How often each technique narrowed the candidates before the last step.
        first = steps.size() - 1;
        std::map<int, int> used;
        for (std::size_t i = 0; i < first; ++i)
            ++used[rungOf(steps[i].technique)];
        std::string summary =
            " Úvahy 1 až " + std::to_string(first) + " jen ubírají možné cifry a kombinace:";
        const char* separator = " ";
        for (const auto& [rung, times] : used) {
            summary += separator + std::string("\"") +
                       techniqueName(static_cast<Technique>(rung - 1)) + "\" " +
                       std::to_string(times) + "×";
            separator = ", ";
        }
        text += summary + ". Políčka všech úvah jsou obarvená.";
    }
    for (std::size_t i = first; i < steps.size(); ++i)
        text += "\r\n\r\n" + stepText(std::to_string(i + 1) + ". úvaha", steps[i], board);
    return text;
}

// The headline of a step's panel: the squares the last deduction decides and
// its technique, "Políčko (3, 8): jediná kombinace".
std::string stepHeadline(const Deduction& last) {
    const std::vector<Placement>& decided = last.placements;
    std::string squares = decided.size() == 1 ? "Políčko" : "Políčka";
    for (std::size_t i = 0; i < decided.size(); ++i) {
        squares += i == 0 ? " " : i + 1 == decided.size() ? " a " : ", ";
        squares += squareText(decided[i].row, decided[i].col);
    }
    return squares + ": " + techniqueName(last.technique);
}

}  // namespace

const TaskClass& GameHelp::taskClass() {
    if (!taskClass_) taskClass_ = classifyTask(taskOfBoard(board_), table_);
    return *taskClass_;
}

void GameHelp::showTaskProblem() {
    screen_.taskProblem.clear();
    std::optional<TaskClass> found =
        classifyTaskWithin(taskOfBoard(board_), table_, kLoadCheckBudget);
    if (!found) return;
    taskClass_ = std::move(*found);
    screen_.taskProblem = taskProblemText(*taskClass_);
}

std::vector<BoardSquare> GameHelp::wrongSquares() {
    std::vector<BoardSquare> wrong;
    const Board& solution = taskClass().solution;
    for (int r = 1; r <= board_.rowCount; ++r)
        for (int c = 1; c <= board_.colCount; ++c) {
            const Cell& cell = board_.at(r, c);
            if (cell.kind == kEntry && cell.digit != 0 && cell.digit != solution.at(r, c).digit)
                wrong.push_back({r, c});
        }
    return wrong;
}

void GameHelp::paintHelp(const std::vector<BoardSquare>& squares, Colour colour) {
    for (const BoardSquare& square : squares)
        play_.paintSquare(square.row, square.column, colour);
    history_.colouringShown = true;
    history_.checkColouringShown = true;
}

void GameHelp::showNextStep() {
    if (solving() || !screen_.boardPanel) return;
    persistence_.noteNextStep();
    // A step asked for again answers anew: the old panel and its colours go.
    if (screen_.step.shown) play_.clearColouring();
    const TaskClass& task = taskClass();
    if (task.verdict != TaskVerdict::kUnique) {
        // The words of the name area above the board.
        requests_.message("Další krok vám neporadím: " + taskProblemText(task) + ".");
        return;
    }
    if (!wrongSquares().empty()) {
        requests_.message(
            "Na desce je chyba: některá vepsaná cifra do řešení nepatří. Další krok vám "
            "poradím, až ji najdete a opravíte.");
        return;
    }
    bool complete = true;
    for (int r = 1; r <= board_.rowCount && complete; ++r)
        for (int c = 1; c <= board_.colCount && complete; ++c)
            complete = !board_.isEntry(r, c) || board_.at(r, c).digit != 0;
    if (complete) {
        requests_.message("Křížovka je celá správně vyplněná, další krok už není.");
        return;
    }

    const std::vector<Deduction> steps = stepsToNextPlacement(board_, table_);
    if (steps.empty()) {
        requests_.message(
            "Tady si nevím rady: žádná z mých úvah, ani zkusmo dosazená cifra, "
            "další cifru neodhalí. Zkuste některou cifru vepsat na zkoušku a "
            "místo si označte značkou.");
        return;
    }
    if (history_.colouringShown) play_.clearColouring();
    std::vector<BoardSquare> used, decided;
    for (const Deduction& d : steps)
        for (const SquareRef& square : d.squares)
            used.push_back({square.row, square.col});
    for (const Placement& p : steps.back().placements)
        decided.push_back({p.row, p.col});
    paintHelp(used, kSkyBlue);
    paintHelp(decided, kBlue);
    // The panel beside the board speaks of the coloured squares; it goes
    // when they do (clearColouring).
    screen_.step = {true, stepHeadline(steps.back()), hintText(steps, board_), false};
}

void GameHelp::explainStep() {
    if (solving() || !screen_.step.shown) return;
    screen_.step.explained = true;
}

void GameHelp::closeStep() {
    if (solving() || !screen_.step.shown) return;
    play_.clearColouring();
}

void GameHelp::verifyBoard() {
    if (solving() || !screen_.boardPanel) return;
    persistence_.noteCheck();
    const TaskClass& task = taskClass();
    if (task.verdict != TaskVerdict::kUnique) {
        requests_.message(noUniqueSolution(task) +
                          " Nemohu proto posoudit, zda je to, co jste vepsal, správně.");
        return;
    }
    const int wrong = static_cast<int>(wrongSquares().size());
    if (wrong > 0) {
        requests_.message(squaresWithVerb(wrong, "Chybnou cifru má", "Chybnou cifru mají") +
                          ". Kde jsou chyby, ukáže \"Ukaž chyby\".");
        return;
    }
    int written = 0, empty = 0;
    for (int r = 1; r <= board_.rowCount; ++r)
        for (int c = 1; c <= board_.colCount; ++c)
            if (board_.isEntry(r, c)) ++(board_.at(r, c).digit != 0 ? written : empty);
    if (written == 0)
        requests_.message("Zatím jste nevepsal žádnou cifru.");
    else if (empty == 0)
        requests_.message("Celá křížovka je vyplněná správně.");
    else
        requests_.message("Všechno, co jste zatím vepsal, je správně.");
}

void GameHelp::showErrors() {
    if (solving() || !screen_.boardPanel) return;
    persistence_.noteCheck();
    const TaskClass& task = taskClass();
    if (task.verdict != TaskVerdict::kUnique) {
        requests_.message(noUniqueSolution(task) + " Nemohu proto říct, která cifra je chybná.");
        return;
    }
    const std::vector<BoardSquare> wrong = wrongSquares();
    if (wrong.empty()) {
        requests_.message("Žádná vepsaná cifra není chybná.");
        return;
    }
    if (history_.colouringShown) play_.clearColouring();
    paintHelp(wrong, kPink);
}

bool GameHelp::solving() const {
    return solver_.solving();
}

}  // namespace krizovky
