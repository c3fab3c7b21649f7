// The game as the web page drives it: the browser's storage under it, the
// events and keys by name, the player's items kept across visits, and the
// task made in the page's worker and given back.
#include "web/web_game.h"

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>

#include "history/results_record.h"
#include "model/errors.h"
#include "model/file_layer.h"
#include "support/task_text.h"
#include "web/task_workshop.h"

namespace krizovky {
namespace {

using nlohmann::json;

// localStorage as a map, which can be made to refuse writes as a full one does.
struct MapItems : ItemStore {
    std::map<std::string, std::string> items;
    bool full = false;
    std::optional<std::string> get(const std::string& key) override {
        const auto item = items.find(key);
        if (item == items.end()) return std::nullopt;
        return item->second;
    }
    bool put(const std::string& key, std::string_view bytes) override {
        if (full) return false;
        items[key] = std::string(bytes);
        return true;
    }
    void remove(const std::string& key) override { items.erase(key); }
};

struct RecordingPage : WebPage {
    std::vector<std::string> clipboard;
    std::vector<std::pair<int, std::string>> makings;
    void copyToClipboard(std::string_view text) override { clipboard.emplace_back(text); }
    void startMaking(int id, const std::string& request) override {
        makings.emplace_back(id, request);
    }
};

std::string combinationFile() {
    return readFileBytes(std::string(KRIZOVKY_BINARY_DIR) + "/krizovky.DEF");
}

// A visit of the page: a game started on the store with the example task
// as the collection.
struct Visit {
    RecordingPage page;
    WebGame game;
    explicit Visit(ItemStore& store) : game(page, store) {
        game.putShipped("krizovky.DEF", combinationFile());
        game.putShipped("krizovky.KRI", testing::crlf(testing::kExampleTask));
        game.start("http://localhost/index.html");
    }
    json screen() const { return json::parse(game.screen()); }
    std::string request() const {
        const json s = screen();
        return s.contains("request") ? s.at("request").at("text").get<std::string>() : "";
    }
    void choose(const std::string& name) {
        game.act("showTaskList");
        const json items = screen().at("taskList").at("items");
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == name) game.act("selectListedTask", static_cast<int>(i));
        game.act("chooseListedTask");
    }
};

TEST(BrowserStorage, ThePlayersItemsLastInTheStoreAndThePagesFilesOnlyForTheVisit) {
    MapItems items;
    BrowserStorage storage(items);
    storage.replace(Place::kState, "/hrac/vysledky.json", "{}");
    EXPECT_EQ(items.items.at("krizovky/state/hrac/vysledky.json"), "{}");
    storage.putShipped("/krizovky/krizovky.KRI", "@a\r\n");
    EXPECT_EQ(storage.read(Place::kShipped, "/krizovky/krizovky.KRI"), "@a\r\n");
    EXPECT_EQ(items.items.size(), 1u);

    // A refused write leaves the item whole; the stamp follows the bytes.
    const std::string stamp = storage.stamp(Place::kState, "/hrac/vysledky.json");
    items.full = true;
    EXPECT_THROW(storage.replace(Place::kState, "/hrac/vysledky.json", "{\"x\":1}"), RunError);
    EXPECT_EQ(storage.read(Place::kState, "/hrac/vysledky.json"), "{}");
    items.full = false;
    storage.replace(Place::kState, "/hrac/vysledky.json", "{\"x\":1}");
    EXPECT_NE(storage.stamp(Place::kState, "/hrac/vysledky.json"), stamp);
    EXPECT_EQ(storage.stamp(Place::kState, "/hrac/nic"), "-");

    // A damaged item goes aside under the next free name, never away.
    storage.replace(Place::kState, "/hrac/hra.json.damaged", "old");
    EXPECT_EQ(storage.setAside(Place::kState, "/hrac/hra.json.damaged"),
              "/hrac/hra.json.damaged.damaged");
    storage.replace(Place::kState, "/hrac/hra.json", "broken");
    storage.replace(Place::kState, "/hrac/hra.json.damaged", "older");
    EXPECT_EQ(storage.setAside(Place::kState, "/hrac/hra.json"), "/hrac/hra.json.damaged-2");
    EXPECT_FALSE(storage.exists(Place::kState, "/hrac/hra.json"));
    EXPECT_EQ(storage.read(Place::kState, "/hrac/hra.json.damaged-2"), "broken");
    EXPECT_THROW(storage.read(Place::kState, "/hrac/hra.json"), RunError);

    // A file the game writes as the player's choice waits once as a download.
    EXPECT_FALSE(storage.takeDownload());
    storage.replace(Place::kChosen, "/stazene/hra.sav", "bytes");
    const auto download = storage.takeDownload();
    ASSERT_TRUE(download);
    EXPECT_EQ(download->name, "hra.sav");
    EXPECT_EQ(download->bytes, "bytes");
    EXPECT_FALSE(storage.takeDownload());
}

TEST(WebGame, EventsAndKeysByNameAndTheGameAndOptionsKeptForTheNextVisit) {
    MapItems items;
    {
        Visit visit(items);
        EXPECT_FALSE(visit.game.act("noSuchEvent"));
        EXPECT_FALSE(visit.game.key("F13"));
        EXPECT_FALSE(visit.game.answer("maybe"));
        visit.choose("priklad");  // 7 1 over 9 2
        visit.game.act("toggleAutoFill");
        visit.game.act("tapSquare", 2, 2);
        EXPECT_EQ(visit.screen().at("menu").at("digits"), json{7});
        EXPECT_TRUE(visit.game.key("7"));
        EXPECT_TRUE(visit.game.key("ArrowDown"));
        EXPECT_TRUE(visit.game.key("Ctrl+3"));  // a note in (3, 2)
        EXPECT_EQ(visit.screen().at("board").at("squares")[1][1].at("digit"), 7);
        visit.game.act("setLevel", 130);
    }
    // The page closed without a word: the next visit takes it all up.
    Visit next(items);
    const json screen = next.screen();
    EXPECT_EQ(screen.at("board").at("squares")[1][1].at("digit"), 7);
    EXPECT_EQ(screen.at("board").at("squares")[2][1].at("notes"), "3");
    EXPECT_EQ(screen.at("options").at("iq"), 130);
    EXPECT_FALSE(screen.at("options").at("autoFill"));
    EXPECT_TRUE(next.game.key("Ctrl+Z"));
    EXPECT_EQ(next.screen().at("board").at("squares")[1][1].at("digit"), 0);
    EXPECT_TRUE(next.game.key("Ctrl+Y"));
    EXPECT_EQ(next.screen().at("board").at("squares")[1][1].at("digit"), 7);
}

TEST(WebGame, TheSchemeAndTheRunHighlightAreKeptAndTheBoardSaysItsStates) {
    MapItems items;
    // Settings of a build before the schemes: read, with the defaults for them.
    items.items["krizovky/config/hrac/volby.json"] =
        R"({"iq":100,"autoFill":false,"checking":true,"eraseNotes":true,"solverSpeed":2})";
    {
        Visit visit(items);
        EXPECT_EQ(visit.request(), "");
        EXPECT_EQ(visit.screen().at("display").at("colours"), nullptr);
        visit.game.setSystemDark(true);
        EXPECT_EQ(visit.screen().at("display").at("scheme"), "tmavé");
        visit.choose("priklad");
        visit.game.act("tapSquare", 2, 2);
        const json square = visit.screen().at("board").at("squares")[1][1];
        EXPECT_EQ(square.at("state"), "selected");
        EXPECT_TRUE(square.at("selected").get<bool>());
        EXPECT_TRUE(visit.screen().at("board").at("squares")[2][1].at("inRun").get<bool>());
        EXPECT_TRUE(visit.game.act("chooseColours", 1));
        EXPECT_TRUE(visit.game.act("toggleRunHighlight"));
    }
    Visit next(items);
    next.game.setSystemDark(true);
    const json screen = next.screen();
    EXPECT_EQ(screen.at("display").at("colours"), "pro barvoslepé");
    EXPECT_EQ(screen.at("display").at("scheme"), "pro barvoslepé")
        << "a choice outranks the system";
    EXPECT_FALSE(screen.at("display").at("runHighlight").get<bool>());
    EXPECT_EQ(screen.at("palette").at("entry"), boardPalette(ColourScheme::kColourBlind).entry);
    EXPECT_FALSE(screen.at("options").at("autoFill").get<bool>());
}

TEST(WebGame, DamagedSettingsAreSetAsideWithAMessage) {
    MapItems items;
    items.items["krizovky/config/hrac/volby.json"] = "{\"iq\": 250";
    Visit visit(items);
    EXPECT_EQ(visit.request(),
              "Uložené volby se nepodařilo načíst: soubor je poškozený. Byly uloženy stranou jako "
              "volby.json.damaged; hra začíná s výchozími volbami.");
    EXPECT_EQ(items.items.at("krizovky/config/hrac/volby.json.damaged"), "{\"iq\": 250");
    EXPECT_EQ(visit.screen().at("options").at("iq"), 100);
}

TEST(WebGame, ASavedGameIsDownloadedAndOpenedAgain) {
    MapItems items;
    Visit visit(items);
    visit.choose("priklad");
    visit.game.act("toggleAutoFill");
    visit.game.act("tapSquare", 2, 2);
    visit.game.key("7");
    EXPECT_TRUE(visit.game.game().persistence().playClock().counting());
    visit.game.act("saveGame");
    ASSERT_EQ(visit.screen().at("request").at("kind"), "file");
    EXPECT_FALSE(visit.game.game().persistence().playClock().counting());  // behind the box
    visit.game.answerFile("priklad.sav");
    EXPECT_TRUE(visit.game.game().persistence().playClock().counting());
    const auto download = visit.game.takeDownload();
    ASSERT_TRUE(download);
    EXPECT_EQ(download->name, "priklad.sav");

    visit.game.key("Ctrl+Z");
    visit.game.act("loadGame");
    visit.game.putChosen("priklad.sav", download->bytes);
    visit.game.answerFile("priklad.sav");
    EXPECT_EQ(visit.request(), "");
    EXPECT_EQ(visit.screen().at("board").at("squares")[1][1].at("digit"), 7);
}

TEST(WebGame, ATaskMadeInTheWorkerIsKeptAndLoadedAndACancelledOneNever) {
    MapItems items;
    Visit visit(items);
    const TaskWorkshop workshop(combinationFile(), "");
    visit.game.act("openNewTask");
    visit.game.act("setSize", 0);  // "malá"
    visit.game.act("setNumber", 17);
    visit.game.act("createNewTask");
    ASSERT_EQ(visit.page.makings.size(), 1u);
    EXPECT_TRUE(visit.screen().at("newTask").at("working"));
    visit.game.act("cancelNewTask");
    visit.game.makingDone(visit.page.makings[0].first, workshop.make(visit.page.makings[0].second));
    EXPECT_FALSE(visit.screen().at("boardShown"));

    visit.game.act("openNewTask");
    visit.game.act("setNumber", 17);
    visit.game.act("createNewTask");
    ASSERT_EQ(visit.page.makings.size(), 2u);
    const auto& [id, request] = visit.page.makings[1];
    EXPECT_EQ(json::parse(request).at("number"), 17);
    visit.game.makingDone(id, workshop.make(request));
    const json screen = visit.screen();
    EXPECT_TRUE(screen.at("boardShown"));
    EXPECT_FALSE(screen.at("newTask").at("visible"));
    EXPECT_EQ(screen.at("taskName"), "  L 8 17  ");
    EXPECT_TRUE(items.items.count("krizovky/data/hrac/moje_ulohy.kri"));

    // "Úloha dne" of today goes to the worker as its date.
    visit.game.act("openDailyTask");
    ASSERT_EQ(visit.page.makings.size(), 3u);
    const std::string today = localTimeNow().substr(0, 10);
    EXPECT_EQ(json::parse(visit.page.makings[2].second).at("day"), today);
    visit.game.makingDone(visit.page.makings[2].first, workshop.make(visit.page.makings[2].second));
    EXPECT_EQ(visit.screen().at("taskName"), "  den " + today + "  ");
}

TEST(WebGame, SeventyAsksThenRunsSliceBySliceToItsEnd) {
    MapItems items;
    Visit visit(items);
    visit.choose("priklad");
    EXPECT_EQ(visit.game.advance(), -1);  // no solve runs
    visit.game.act("askToSolve");
    EXPECT_EQ(visit.screen().at("request").at("kind"), "solverQuestion");
    visit.game.answer("yes");
    int slices = 0;
    while (visit.game.advance() >= 0)
        ++slices;
    EXPECT_LT(slices, 1000);
    const json screen = visit.screen();
    EXPECT_FALSE(screen.at("options").at("solving"));
    EXPECT_EQ(screen.at("board").at("squares")[2][2].at("digit"), 2);

    // The record has the solver's result: help, and no time of the player's to plot.
    const json results = json::parse(visit.game.results());
    ASSERT_EQ(results.at("grades").at("rows").size(), 1u);
    EXPECT_EQ(results.at("grades").at("rows")[0][4], "100 %");  // helped, by "70"
    ASSERT_EQ(results.at("times").size(), 1u);
    EXPECT_TRUE(results.at("times")[0].at("points").empty());
    EXPECT_EQ(results.at("streaks"), "úloha dne: řada 0 dní, nejdelší 0 dní");
    EXPECT_EQ(results.at("latest").at("rows").size(), 1u);
}

TEST(TaskWorkshop, RequestsAndMadeTasksCrossToTheWorkerAndBackWhole) {
    TaskRequest request;
    request.grade = Difficulty::kHard;
    request.size = TaskSize::kMedium;
    request.number = 4711;
    const MakingRequest back = requestOfJson(requestJson({request, {}}), {});
    EXPECT_EQ(back.task.grade, Difficulty::kHard);
    EXPECT_EQ(back.task.size, TaskSize::kMedium);
    EXPECT_EQ(back.task.number, 4711);
    EXPECT_FALSE(back.day);
    const MakingRequest daily =
        requestOfJson(requestJson({request, CalendarDate{2026, 12, 13}}), {});
    EXPECT_EQ(daily.day, (CalendarDate{2026, 12, 13}));
    EXPECT_EQ(daily.task.grade, Difficulty::kVeryHard);  // the Sunday's, whatever the rest says
    EXPECT_THROW(requestOfJson("{\"day\": \"2026-02-30\"}", {}), RunError);
    request.size = TaskSize::kStructure;
    request.structure.place = 3;
    EXPECT_THROW(requestOfJson(requestJson({request, {}}), {}), RunError);
    EXPECT_THROW(requestOfJson("{\"grade\": 9, \"size\": 0, \"number\": 1}", {}), RunError);
    EXPECT_THROW(requestOfJson("[", {}), RunError);

    const TaskWorkshop workshop(combinationFile(), "");
    const json refused = json::parse(workshop.make("{}"));
    EXPECT_FALSE(refused.at("made"));
    EXPECT_NE(refused.at("failure"), "");

    request.size = TaskSize::kSmall;
    const MadeTask made = makeTask(request, completeCombinationTable());
    const MadeTask crossed = madeTaskOfJson(madeTaskJson(made));
    EXPECT_EQ(crossed.made, made.made);
    EXPECT_EQ(crossed.name, made.name);
    EXPECT_EQ(crossed.text, made.text);
    EXPECT_EQ(crossed.grid, made.grid);
    EXPECT_EQ(crossed.description, made.description);
    EXPECT_EQ(crossed.attempts, made.attempts);
    EXPECT_THROW(madeTaskOfJson("{\"made\": true}"), RunError);
}

}  // namespace
}  // namespace krizovky
