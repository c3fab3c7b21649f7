#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/screen.h"
#include "model/board.h"
#include "model/combination_table.h"
#include "play/level.h"

namespace krizovky {

// What "Tabulka kombinací" lets through: a length 1..9 and a sum (0: any),
// the digits a combination must hold and the digits it must not hold.
struct CombinationFilter {
    int length = 0;
    int sum = 0;
    DigitSet required = 0;
    DigitSet excluded = 0;

    bool operator==(const CombinationFilter&) const = default;
};

// Every combination of distinct digits 1..9 that the filter lets through,
// ordered by length, then sum, then digits.
std::vector<Combination> findCombinations(const CombinationFilter& filter);

// The sums combinations of a length can have (any length: 1 to 45).
struct SumRange {
    int lowest = 1;
    int highest = 45;

    bool operator==(const SumRange&) const = default;
};
SumRange sumRange(int length);

// "1 kombinace", "3 kombinace", "0 kombinací", "12 kombinací".
std::string combinationCountText(int count);

// A run of the square selected on the board, to preselect.
struct SelectedRun {
    int length = 0;
    int sum = 0;

    bool operator==(const SelectedRun&) const = default;
};

// "vodorovně: 3 políčka, součet 16", "svisle: 2 políčka, součet 4";
// "vodorovně: žádná řada" without a run.
std::string runCaption(Direction direction, const std::optional<SelectedRun>& run);

// What the window of "Tabulka kombinací" shows.
struct CombinationsScreen {
    CombinationFilter filter;
    SumRange sums;  // what the choice of the sum offers for the length chosen
    std::vector<Combination> combinations;
    std::string countText;
    std::optional<SelectedRun> acrossRun;
    std::optional<SelectedRun> downRun;
    std::string acrossCaption;
    std::string downCaption;
};

// "Tabulka kombinací" ("&Pomoc"): the filter the player sets, and the runs
// across and down of the square selected on the board to preselect. It
// writes nothing on the board. A digit is never required and excluded at
// once; a value the choices do not offer is not taken.
class CombinationFinder {
  public:
    CombinationFinder(const Board& board, const MainScreen& screen)
        : board_(board), screen_(screen) {}

    // Opened from the menu: a fresh filter with the selected square's across
    // run, or its down run when it has none across.
    void open();
    // 0: any. A sum the new length cannot have becomes any.
    void chooseLength(int length);
    void chooseSum(int sum);
    // A digit into "musí obsahovat" (out of "nesmí obsahovat"), or out again.
    void toggleRequired(int digit);
    // A digit into "nesmí obsahovat" (out of "musí obsahovat"), or out again.
    void toggleExcluded(int digit);
    // The length and sum of the selected square's run that way; nothing
    // without one. The digits chosen stay.
    void chooseRun(Direction direction);

    const CombinationFilter& filter() const { return filter_; }
    // The selected square's run that way; none without a selected entry
    // square or for a run without a sum.
    std::optional<SelectedRun> selectedRun(Direction direction) const;
    CombinationsScreen screen() const;

  private:
    const Board& board_;
    const MainScreen& screen_;
    CombinationFilter filter_;
};

}  // namespace krizovky
