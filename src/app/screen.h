#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/board.h"

namespace krizovky {

// A colour as 0xRRGGBB.
using Colour = std::int32_t;
// Passed to paintSquare for the square's natural colour.
inline constexpr Colour kNaturalColour = -1;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kYellow = 0xFFFF00;
inline constexpr Colour kRed = 0xFF0000;
inline constexpr Colour kAqua = 0x00FFFF;
inline constexpr Colour kLime = 0x00FF00;
inline constexpr Colour kFuchsia = 0xFF00FF;
inline constexpr Colour kOrange = 0xFF8000;
inline constexpr Colour kOlive = 0x808000;
inline constexpr Colour kGray = 0x808080;
// The colours of "&Pomoc": the squares a hint's reasoning went through, the
// square it decides, and the squares whose digit is not the solution's.
inline constexpr Colour kSkyBlue = 0xA6CAF0;
inline constexpr Colour kBlue = 0x4080FF;
inline constexpr Colour kPink = 0xFFC0CB;
// The player's notes, small in an empty square: black reads on every colour a
// square takes.
inline constexpr Colour kNoteColour = kBlack;

enum class FontRole : std::uint8_t {
    kPanel,  // the window's own font: squares of unknown kinds
    kClue,   // two lines of sums, fixed pitch, bold, white
    kEntry,  // one large bold digit, black
};

// What the player sees of one square of the board.
struct SquareLook {
    bool exists = false;  // created by the latest board build
    bool visible = false;
    std::string caption;               // UTF-8
    std::optional<Colour> background;  // nothing: the panel's own colour
    Colour textColour = kBlack;
    FontRole font = FontRole::kPanel;
    bool centred = false;
    bool wordWrap = false;
    bool interactive = false;  // an entry square: clicks and the pop-up menu reach it
    int tag = 0;               // entry squares: 10000 + 100 * row + column
    DigitSet notes = 0;        // entry squares: the notes shown, small in 3 x 3; none under a digit
};

// Which build made the squares on the board: a restored saved game stands
// further left in the classic look than a task loaded from the list.
enum class SquaresBuild : std::uint8_t { kTask, kSavedGame };

struct GaugeLook {
    bool visible = false;
    int maximum = 100;
    int position = 0;
};

// The next step of "&Pomoc" as its panel shows it: first the headline, the
// squares the step decides and the technique that decides them; "proč?"
// adds the whole explanation. Both texts are UTF-8.
struct StepLook {
    bool shown = false;
    std::string headline;     // "Políčko (3, 8): jediná kombinace"
    std::string explanation;  // each deduction a paragraph, CR LF CR LF between them
    bool explained = false;   // "proč?" pressed: the explanation shows under the headline
};

// Everything the main window shows, as plain data; the window draws it.
struct MainScreen {
    bool boardPanel = false;
    // [row][column], 1-based. Each square has its own defaults; a "{}" here
    // would only repeat them, and crashes clang 14 where a MainScreen is made.
    std::array<std::array<SquareLook, kBoardSize + 1>, kBoardSize + 1> squares;
    SquaresBuild squaresBuild = SquaresBuild::kTask;
    // The selected square, where the keys write (1-based; 0 and 0: none). The
    // classic look paints it red where the level shows hints; the modern look
    // frames it at every level.
    int selectedRow = 0;
    int selectedColumn = 0;

    bool taskName = true;         // the name of the chosen task above the board
    std::string taskNameCaption;  // UTF-8
    // What is wrong with the task on the board, after its name (UTF-8): "úloha
    // nemá řešení", "úloha má více řešení", "úloha je poškozená: …"; empty
    // for a task with one solution.
    std::string taskProblem;

    GaugeLook loadGauge;

    std::array<bool, 5> swatch{};  // the Mark swatches 1..4 (index 0 unused)
    std::array<Colour, 5> swatchColour{kBlack, kAqua, kLime, kFuchsia, kOrange};
    bool duplicateLegend = false;   // " duplikátní číslo"
    bool wrongSumLegend = false;    // " chybný součet"
    bool markButton = false;        // "nastav značku"
    bool undoButton = false;        // "zpět o 1 tah"
    bool undoToMarkButton = false;  // "zpět ke značce"
    bool checkButton = false;       // " proveď kontroly"
    bool redoButton = false;        // "znovu o 1 tah": something to redo
    bool notesButton = false;       // "poznámky", shown with the board
    bool notesMode = false;         // "poznámky" pressed: digits toggle notes

    // The solver at work (SolverSession::solving()): the time since its search began
    // above the board, "přeruš" to stop it, and every other command of the
    // window off.
    bool solverClock = false;
    std::string solverClockCaption;  // "0:00:00"
    bool stopButton = false;         // "přeruš"

    // The time of play of the game on the board, "12:41" or "1:02:03",
    // above the board right of the task name; shown once a game is on.
    bool playClock = false;
    std::string playClockCaption;
    // "&Pauza": the clock stands until the player goes on, and the window
    // covers the board meanwhile.
    bool paused = false;

    // The hint panels right of the board and their lists, one string a line
    // (UTF-8).
    bool acrossPanel = false;   // "vodorovně:", the across combinations
    bool downPanel = false;     // "svisle:", the down combinations
    bool allowedPanel = false;  // "přípustné cifry:", the allowed digits
    std::vector<std::string> acrossHints;
    std::vector<std::string> downHints;
    std::vector<std::string> allowedDigits;

    // "&Další krok" in a panel beside the board, shown with the step's
    // colours and gone with them (see GameHelp::showNextStep).
    StepLook step;

    // The digit items "1".."9" of the squares' pop-up menu (index 0 unused);
    // "vymaž" is always enabled.
    std::array<bool, 10> digitItemEnabled{false, true, true, true, true,
                                          true,  true, true, true, true};
    // The submenu "poznámka": its nine items, ticked for the notes of the
    // pop-up's square, and off for a square that holds a digit.
    std::array<bool, 10> noteItemChecked{};
    bool noteItemsEnabled = false;

    SquareLook& square(int row, int column) { return squares[row][column]; }
    const SquareLook& square(int row, int column) const { return squares[row][column]; }
};

// What the task list window shows.
struct TaskListScreen {
    bool visible = false;
    std::vector<std::string> items;  // UTF-8, sorted as the task file's names
    // Shown in the list's place when a task file read holds no task (UTF-8).
    std::string emptyListText;
    int selected = -1;       // index into items, -1 none
    std::string chosenName;  // the name last clicked (UTF-8)
    // The solved tasks among items, each with its best result (UTF-8):
    // ticked in the list, the result in the tool tip.
    std::map<std::string, std::string> solved;
    // The tasks among items with a game in progress, kept or on the board,
    // each with its time of play, "rozehráno 0:56" (UTF-8): marked in the
    // list, the time in the tool tip.
    std::map<std::string, std::string> inProgress;
    // The descriptions of the items for their tool tips (UTF-8), one for
    // each item, empty for a name without one.
    std::vector<std::string> descriptions;
    // The switch above the list: the collection (the shipped task file or
    // the one "&Soubor úloh" chose) or the player's own tasks ("moje úlohy").
    // Without a folder for the player's files there is no switch.
    bool ownTasksSwitch = false;
    bool ownTasks = false;
    std::string collectionFile;  // the collection's path, for its tool tip
    // Above the list: whether today's "Úloha dne" is solved, "Úloha dne
    // 2026-12-09: vyřešená bez nápovědy 12:41" (UTF-8); empty without a
    // record.
    std::string dailyStatus;
};

// The tag of an entry square and its way back to the cell.
inline constexpr int squareTag(int row, int column) {
    return 10000 + 100 * row + column;
}
inline constexpr int tagRow(int tag) {
    return (tag % 10000) / 100;
}
inline constexpr int tagColumn(int tag) {
    return tag % 100;
}

}  // namespace krizovky
