#include "web/web_game.h"

#include <functional>
#include <map>
#include <nlohmann/json.hpp>

#include "app/keyboard.h"
#include "app/player_files.h"
#include "model/errors.h"
#include "model/text.h"
#include "web/screen_json.h"
#include "web/task_workshop.h"

namespace krizovky {
namespace {

using nlohmann::json;

// Where the page's shipped files stand: beside a program of this path.
constexpr const char* kProgramPath = "/krizovky/krizovky";
constexpr const char* kProgramFolder = "/krizovky/";

std::optional<Level> levelOfIq(int iq) {
    switch (iq) {
        case 100:
            return Level::k100;
        case 130:
            return Level::k130;
        case 160:
            return Level::k160;
        default:
            return std::nullopt;
    }
}

json tableJson(const ResultsTable& table) {
    return {{"columns", table.columns}, {"numeric", table.numeric}, {"rows", table.rows}};
}

using Event = std::function<void(Game&, int a, int b)>;

// The player's events by the names the page gives them.
const std::map<std::string, Event, std::less<>>& events() {
    static const std::map<std::string, Event, std::less<>> table = {
        // A tap selects the square and readies its menu, whose digits the
        // keypad greys as the desktop's pop-up menu does.
        {"tapSquare", [](Game& g, int r, int c) { g.play().openSquareMenu(r, c); }},
        {"selectSquare", [](Game& g, int r, int c) { g.play().selectSquare(r, c); }},
        {"chooseDigit", [](Game& g, int d, int) { g.play().chooseDigit(d); }},
        {"eraseSquare", [](Game& g, int, int) { g.play().eraseSquare(); }},
        {"chooseNote", [](Game& g, int d, int) { g.moves().chooseNote(d); }},
        {"checkWholeBoard", [](Game& g, int, int) { g.play().checkWholeBoard(); }},
        {"setLevel",
         [](Game& g, int iq, int) {
             if (const auto level = levelOfIq(iq)) g.play().setLevel(*level);
         }},
        {"toggleAutoFill", [](Game& g, int, int) { g.play().toggleAutoFill(); }},
        {"toggleChecking", [](Game& g, int, int) { g.play().toggleChecking(); }},
        {"toggleEraseNotes", [](Game& g, int, int) { g.play().toggleEraseNotes(); }},
        {"setSolverSpeed",
         [](Game& g, int speed, int) {
             if (speed >= 0 && speed <= static_cast<int>(SolverSpeed::kFastest))
                 g.solver().setSolverSpeed(static_cast<SolverSpeed>(speed));
         }},
        {"askToSolve", [](Game& g, int, int) { g.solver().askToSolve(); }},
        {"stopSolving", [](Game& g, int, int) { g.solver().stopSolving(); }},
        {"setMark", [](Game& g, int, int) { g.moves().setMark(); }},
        {"undoMove", [](Game& g, int, int) { g.moves().undoMove(); }},
        {"undoToMark", [](Game& g, int, int) { g.moves().undoToMark(); }},
        {"redoMove", [](Game& g, int, int) { g.moves().redoMove(); }},
        {"highlightMark", [](Game& g, int m, int) { g.moves().highlightMark(m); }},
        {"removeMark", [](Game& g, int m, int) { g.moves().removeMark(m); }},
        {"toggleNotesMode", [](Game& g, int, int) { g.moves().toggleNotesMode(); }},
        {"fillNotes", [](Game& g, int, int) { g.moves().fillNotes(); }},
        {"showNextStep", [](Game& g, int, int) { g.help().showNextStep(); }},
        {"verifyBoard", [](Game& g, int, int) { g.help().verifyBoard(); }},
        {"showErrors", [](Game& g, int, int) { g.help().showErrors(); }},
        {"explainStep", [](Game& g, int, int) { g.help().explainStep(); }},
        {"closeStep", [](Game& g, int, int) { g.help().closeStep(); }},
        // "Tabulka kombinací": its filter; combinations() shows it.
        {"openCombinations", [](Game& g, int, int) { g.help().combinationFinder().open(); }},
        {"chooseCombinationLength",
         [](Game& g, int length, int) { g.help().combinationFinder().chooseLength(length); }},
        {"chooseCombinationSum",
         [](Game& g, int sum, int) { g.help().combinationFinder().chooseSum(sum); }},
        {"toggleRequiredDigit",
         [](Game& g, int d, int) { g.help().combinationFinder().toggleRequired(d); }},
        {"toggleExcludedDigit",
         [](Game& g, int d, int) { g.help().combinationFinder().toggleExcluded(d); }},
        {"chooseAcrossRun",
         [](Game& g, int, int) { g.help().combinationFinder().chooseRun(Direction::kAcross); }},
        {"chooseDownRun",
         [](Game& g, int, int) { g.help().combinationFinder().chooseRun(Direction::kDown); }},
        {"reloadTask", [](Game& g, int, int) { g.tasks().reloadTask(); }},
        // The list is read afresh each time it opens, as the window's is.
        {"showTaskList",
         [](Game& g, int, int) {
             g.tasks().showTaskList();
             g.tasks().fillTaskList(true);
         }},
        {"selectListedTask", [](Game& g, int i, int) { g.tasks().selectListedTask(i); }},
        {"chooseListedTask", [](Game& g, int, int) { g.tasks().chooseListedTask(); }},
        {"cancelTaskList", [](Game& g, int, int) { g.tasks().cancelTaskList(); }},
        {"showOwnTasks", [](Game& g, int own, int) { g.tasks().showOwnTasks(own != 0); }},
        {"openNewTask", [](Game& g, int, int) { g.newTasks().openNewTask(); }},
        {"openDailyTask", [](Game& g, int, int) { g.newTasks().openDailyTask(localToday()); }},
        {"setGrade", [](Game& g, int i, int) { g.newTasks().newTask().setGrade(i); }},
        {"setSize", [](Game& g, int i, int) { g.newTasks().newTask().setSize(i); }},
        {"setNumber", [](Game& g, int n, int) { g.newTasks().newTask().setNumber(n); }},
        {"createNewTask", [](Game& g, int, int) { g.newTasks().createNewTask(); }},
        {"cancelNewTask", [](Game& g, int, int) { g.newTasks().cancelNewTask(); }},
        {"openLinkImport", [](Game& g, int, int) { g.newTasks().openLinkImport(""); }},
        {"importLinkedTask", [](Game& g, int, int) { g.newTasks().importLinkedTask(); }},
        {"cancelLinkImport", [](Game& g, int, int) { g.newTasks().cancelLinkImport(); }},
        {"copyTaskLink", [](Game& g, int, int) { g.newTasks().copyTaskLink(); }},
        {"saveGame", [](Game& g, int, int) { g.persistence().saveGame(); }},
        {"loadGame", [](Game& g, int, int) { g.persistence().loadGame(); }},
        {"togglePause", [](Game& g, int, int) { g.persistence().togglePause(); }},

    };
    return table;
}

const std::map<std::string, Key, std::less<>>& keys() {
    static const std::map<std::string, Key, std::less<>> table = [] {
        std::map<std::string, Key, std::less<>> names = {
            {"N", Key::kNotesMode},         {"n", Key::kNotesMode},    {"Delete", Key::kDelete},
            {"Backspace", Key::kBackspace}, {"ArrowLeft", Key::kLeft}, {"ArrowRight", Key::kRight},
            {"ArrowUp", Key::kUp},          {"ArrowDown", Key::kDown},
        };
        for (int d = 1; d <= 9; ++d) {
            names[std::to_string(d)] = static_cast<Key>(d);
            names["Ctrl+" + std::to_string(d)] =
                static_cast<Key>(static_cast<int>(Key::kNote1) + d - 1);
        }
        return names;
    }();
    return table;
}

}  // namespace

WebGame::WebGame(WebPage& page, ItemStore& store)
    : page_(page), storage_(store), game_(*this, storage_) {
    game_.persistence().playClock().useTimeSource(PlayClock::steadyNow);
    game_.newTasks().newTask().useRunner([this](std::shared_ptr<Job> job) {
        making_ = std::dynamic_pointer_cast<TaskMakingJob>(job);
        if (!making_) return job->run();
        page_.startMaking(++makingId_, requestJson({making_->request(), making_->day()}));
    });
}

void WebGame::putShipped(const std::string& name, std::string_view bytes) {
    storage_.putShipped(kProgramFolder + name, bytes);
}

void WebGame::start(const std::string& address) {
    game_.start(kProgramPath);
    game_.tasks().setOwnTaskFilePath(kOwnTasks);
    game_.persistence().usePlayerFiles(playerFilesBeside(kRecord));
    game_.newTasks().useLinkAddress(address);
    readSettings();
    game_.persistence().resumeKeptGame();
    keptSettings_ = settingsJson();
    keepAfterChange();
}

void WebGame::openLink(std::string_view link) {
    game_.newTasks().openLink(link);
    keepAfterChange();
}

std::string WebGame::screen() const {
    return screenJson(game_, display_, systemDark_);
}

std::string WebGame::results() {
    const ResultsScreen results = game_.persistence().resultsScreen(localToday());
    const PlayerStatistics& figures = results.statistics;
    // Per grade of the table, the times of its latest results to plot.
    json times = json::array();
    for (std::size_t g = 0; g < figures.grades.size(); ++g) {
        json points = json::array();
        for (const TimedResult& r : figures.recentTimes[g])
            points.push_back(
                {{"finishedAt", r.finishedAt}, {"seconds", r.seconds}, {"unaided", r.unaided}});
        times.push_back({{"grade", figures.grades[g].grade}, {"points", std::move(points)}});
    }
    return json{{"grades", tableJson(results.grades)}, {"streaks", results.streaks},
                {"streak", figures.streaks.current},   {"longestStreak", figures.streaks.longest},
                {"times", std::move(times)},           {"latest", tableJson(results.latest)}}
        .dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string WebGame::rules() const {
    const RulesText rules = game_.tasks().rules();
    json lines = json::array();
    for (const std::string& line : rules.lines)
        lines.push_back(utf8FromCp1250(line));
    return json{{"lines", std::move(lines)}, {"problem", rules.problem}}.dump();
}

std::string WebGame::combinations() const {
    const CombinationsScreen shown = game_.help().combinationFinder().screen();
    json listed = json::array();
    for (const Combination& c : shown.combinations)
        listed.push_back(c.digitText);
    const auto run = [](const std::optional<SelectedRun>& selected, const std::string& caption) {
        json out{{"caption", caption}};
        if (selected) out.update({{"length", selected->length}, {"sum", selected->sum}});
        return out;
    };
    return json{{"length", shown.filter.length},
                {"sum", shown.filter.sum},
                {"lowestSum", shown.sums.lowest},
                {"highestSum", shown.sums.highest},
                {"required", shown.filter.required},
                {"excluded", shown.filter.excluded},
                {"combinations", std::move(listed)},
                {"count", shown.countText},
                {"across", run(shown.acrossRun, shown.acrossCaption)},
                {"down", run(shown.downRun, shown.downCaption)}}
        .dump();
}

bool WebGame::act(std::string_view action, int a, int b) {
    // The page's drawing options are the page's own, not the game's.
    if (action == "chooseColours" || action == "toggleRunHighlight") {
        if (action == "toggleRunHighlight")
            display_.runHighlight = !display_.runHighlight;
        else if (a >= 0 && a < static_cast<int>(kColourSchemes.size()))
            display_.colours = kColourSchemes[static_cast<std::size_t>(a)];
        keepAfterChange();
        return true;
    }
    const auto event = events().find(action);
    if (event == events().end()) return false;
    if (action == "cancelNewTask") making_.reset();  // its task, should it come, is not taken
    event->second(game_, a, b);
    keepAfterChange();
    return true;
}

bool WebGame::key(std::string_view name) {
    if (name == "P" || name == "p") return act("togglePause");
    // Under the pause's cover the board takes no key.
    if (game_.screen().paused) return false;
    if (name == "Ctrl+Z" || name == "Ctrl+z") return act("undoMove");
    if (name == "Ctrl+Y" || name == "Ctrl+y") return act("redoMove");
    const auto key = keys().find(name);
    if (key == keys().end()) return false;
    game_.play().keyPress(key->second);
    keepAfterChange();
    return true;
}

bool WebGame::setText(std::string_view field, std::string_view text) {
    if (field == "link")
        game_.newTasks().setLinkText(text);
    else if (field == "importName")
        game_.newTasks().setImportName(cp1250FromUtf8(text));
    else
        return false;
    return true;
}

bool WebGame::answer(std::string_view answer) {
    if (answer == "yes")
        game_.requests().answer(Answer::kYes);
    else if (answer == "no")
        game_.requests().answer(Answer::kNo);
    else if (answer == "cancel")
        game_.requests().answer(Answer::kCancel);
    else
        return false;
    keepAfterChange();
    return true;
}

void WebGame::answerFile(const std::optional<std::string>& name) {
    game_.requests().answerFile(name);
    keepAfterChange();
}

void WebGame::putChosen(const std::string& name, std::string_view bytes) {
    storage_.putChosen(name, bytes);
}

int WebGame::advance() {
    SolverSession& solver = game_.solver();
    if (!solver.solving()) return -1;
    const auto now = SolverRun::Clock::now();
    if (solver.solverDue() <= now) solver.advanceSolve(now);
    if (!solver.solving()) {
        keepAfterChange();
        return -1;
    }
    const auto wait = solver.solverDue() - SolverRun::Clock::now();
    return std::max(
        0, static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(wait).count()));
}

bool WebGame::tick() {
    bool changed = game_.persistence().updatePlayClock();
    if (game_.newTasks().newTaskScreen().working) {
        game_.newTasks().pollNewTask();
        changed = true;
    }
    return changed;
}

void WebGame::makingDone(int id, std::string_view made) {
    if (!making_ || id != makingId_) return;
    MadeTask task;
    try {
        task = madeTaskOfJson(made);
    } catch (const RunError& e) {
        task.failure = e.what();
    }
    const std::shared_ptr<TaskMakingJob> job = std::move(making_);
    job->deliver(std::move(task));
    game_.newTasks().pollNewTask();
    keepAfterChange();
}

void WebGame::setHidden(bool hidden) {
    game_.persistence().playClock().setMinimized(hidden);
    if (hidden) {
        keepingFailed_ = false;
        keepAfterChange();
    }
}

void WebGame::keepAfterChange() {
    // The time of play stands while a box waits, as behind the desktop's
    // modal boxes.
    const bool boxShown = game_.requests().pending() != nullptr;
    if (boxShown != boxShown_) game_.persistence().playClock().setModalOpen(boxShown);
    boxShown_ = boxShown;
    if (keptSettings_ != settingsJson()) writeSettings();
    if (!keepingFailed_ && !game_.persistence().keepGame()) keepingFailed_ = true;
}

std::string WebGame::settingsJson() const {
    const Options& options = game_.options();
    return json{{"iq", iqOf(options.level)},
                {"autoFill", options.autoFill},
                {"checking", options.checking},
                {"eraseNotes", options.eraseNotes},
                {"solverSpeed", static_cast<int>(options.solverSpeed)},
                {"colours", display_.colours ? json(schemeName(*display_.colours)) : json()},
                {"runHighlight", display_.runHighlight}}
        .dump();
}

void WebGame::readSettings() {
    std::string bytes;
    try {
        if (!storage_.exists(Place::kConfig, kSettings)) return;
        bytes = storage_.read(Place::kConfig, kSettings);
    } catch (const RunError& e) {
        game_.requests().failure(e.what());
        return;
    }
    struct Settings {
        Level level;
        bool autoFill, checking, eraseNotes;
        SolverSpeed speed;
    };
    std::optional<Settings> settings;
    try {
        const json in = json::parse(bytes);
        const std::optional<Level> level = levelOfIq(in.at("iq").get<int>());
        const int speed = in.at("solverSpeed").get<int>();
        if (level && speed >= 0 && speed <= static_cast<int>(SolverSpeed::kFastest))
            settings =
                Settings{*level, in.at("autoFill").get<bool>(), in.at("checking").get<bool>(),
                         in.at("eraseNotes").get<bool>(), static_cast<SolverSpeed>(speed)};
        // Kept since the schemes came: a file without them has the defaults.
        if (settings && in.contains("colours") && in["colours"].is_string())
            display_.colours = schemeNamed(in["colours"].get<std::string>());
        if (settings && in.contains("runHighlight"))
            display_.runHighlight = in.at("runHighlight").get<bool>();
    } catch (const json::exception&) {
        display_ = {};
        settings.reset();
    }
    if (!settings) {
        // Set aside, never dropped: the player may want to look at it.
        const std::string why = "Uložené volby se nepodařilo načíst: soubor je poškozený";
        try {
            game_.requests().message(why + ". Byly uloženy stranou jako " +
                                     setAsideFileName(storage_, Place::kConfig, kSettings) +
                                     "; hra začíná s výchozími volbami.");
        } catch (const RunError& e) {
            game_.requests().message(why + ". Nelze je ani odložit (" + std::string(e.what()) +
                                     ").");
        }
        return;
    }
    PlaySession& play = game_.play();
    play.setLevel(settings->level);
    if (settings->autoFill != game_.options().autoFill) play.toggleAutoFill();
    if (settings->checking != game_.options().checking) play.toggleChecking();
    if (settings->eraseNotes != game_.options().eraseNotes) play.toggleEraseNotes();
    game_.solver().setSolverSpeed(settings->speed);
}

void WebGame::writeSettings() {
    const std::string settings = settingsJson();
    try {
        storage_.replace(Place::kConfig, kSettings, settings);
        keptSettings_ = settings;
    } catch (const RunError&) {
        // A full store: the options stay for this visit and are tried again
        // at the next change; the kept game says the failure.
    }
}

}  // namespace krizovky
