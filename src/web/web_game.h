#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/board_palette.h"
#include "app/game.h"
#include "app/host.h"
#include "app/new_task.h"
#include "web/browser_storage.h"

namespace krizovky {

// What the game asks of the web page, from inside a call into it.
class WebPage {
  public:
    virtual ~WebPage() = default;
    virtual void copyToClipboard(std::string_view text) = 0;
    // "vytvoř": the page makes the task of the request (requestJson) in its
    // worker and gives it back with makingDone(id, ...).
    virtual void startMaking(int id, const std::string& request) = 0;
};

// The game as the web page drives it: names for the player's events, the
// screens as JSON, and the page's storage, clock and worker. The page draws
// screen() after every call and answers the request it holds there.
class WebGame : private Host {
  public:
    WebGame(WebPage& page, ItemStore& store);
    WebGame(const WebGame&) = delete;
    WebGame& operator=(const WebGame&) = delete;

    // A data file shipped with the page, by its name ("krizovky.DEF"), before start().
    void putShipped(const std::string& name, std::string_view bytes);
    // The game set up as at a desktop start: the table, the collection, the
    // player's options, and the game kept at the last visit taken up. address
    // is the page's own, which the links copied lead to.
    void start(const std::string& address);
    // A link the page was opened with (NewTasks::openLink).
    void openLink(std::string_view link);

    // The main screen, the task list, the dialogs "nová úloha" and the link
    // import and the request waiting, as one JSON text.
    std::string screen() const;
    std::string results();  // "&Moje výsledky"
    // The player's statistics, the streaks up to today: per grade the
    // figures and the latest times to plot.
    std::string statistics();
    std::string rules() const;  // "&Pravidla": its lines
    // "Tabulka kombinací": the filter (the digit sets as bits 1..9), the
    // sums its length can have, the combinations' digits, their count, and
    // the selected square's runs across and down.
    std::string combinations() const;

    // A player's event by its name, with up to two numbers; false for a name
    // the game does not know.
    bool act(std::string_view action, int a = 0, int b = 0);
    // A key as the desktop takes it: "1".."9", "Ctrl+1".."Ctrl+9", "N", the
    // arrows, "Delete", "Backspace", "Ctrl+Z", "Ctrl+Y"; false for a key the
    // game does not take.
    bool key(std::string_view name);
    // The link import's fields: "link" and "importName" (UTF-8).
    bool setText(std::string_view field, std::string_view text);

    // The request shown, answered "yes", "no" or "cancel"; false for another word.
    bool answer(std::string_view answer);
    void answerFile(const std::optional<std::string>& name);
    void putChosen(const std::string& name, std::string_view bytes);
    std::optional<BrowserStorage::Download> takeDownload() { return storage_.takeDownload(); }

    // Runs the slice of "70" that is due: the milliseconds until the next,
    // -1 when no solve runs.
    int advance();
    // The clock's caption brought up to the time, and a look at a making
    // under way; true when the screen changed.
    bool tick();
    // The task made in the page's worker for the making of that id.
    void makingDone(int id, std::string_view made);
    // The page hidden or shown again: the clock stands while it is hidden,
    // and the game is kept at once.
    void setHidden(bool hidden);

    // The system's dark mode as the page's media query says it: followed
    // until the player chooses a scheme.
    void setSystemDark(bool dark) { systemDark_ = dark; }
    const DisplayOptions& display() const { return display_; }

    Game& game() { return game_; }
    BrowserStorage& storage() { return storage_; }

    // Where the player's items live in the store.
    static constexpr const char* kOwnTasks = "/hrac/moje_ulohy.kri";
    static constexpr const char* kRecord = "/hrac/vysledky.json";
    static constexpr const char* kSettings = "/hrac/volby.json";

  private:
    // Host
    void repaintSquare(int, int) override {}
    void repaintGauge() override {}
    void copyToClipboard(std::string_view text) override { page_.copyToClipboard(text); }

    // After each event: the options and the game in progress kept, as a
    // page that may close at any moment must, and the clock told whether a
    // box stands over the board.
    void keepAfterChange();
    void readSettings();
    void writeSettings();
    std::string settingsJson() const;

    WebPage& page_;
    BrowserStorage storage_;
    Game game_;
    std::shared_ptr<TaskMakingJob> making_;
    int makingId_ = 0;
    std::string keptSettings_;
    // A keeping failed and was said: no more tries until the page hides.
    bool keepingFailed_ = false;
    bool boxShown_ = false;
    // "Barvy" and the run highlight, kept with the options.
    DisplayOptions display_;
    bool systemDark_ = false;
};

}  // namespace krizovky
