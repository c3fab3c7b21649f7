#include "app/combination_finder.h"

#include <algorithm>

#include "model/czech_plural.h"
#include "play/hints.h"

namespace krizovky {

std::vector<Combination> findCombinations(const CombinationFilter& filter) {
    // The complete table holds every combination once, in the order shown.
    const CombinationTable& table = completeCombinationTable();
    std::vector<Combination> found;
    for (int i = 1; i <= table.combinationCount(); ++i) {
        const Combination& c = table.slot(i);
        if (filter.length != 0 && c.digitCount != filter.length) continue;
        if (filter.sum != 0 && c.sum != filter.sum) continue;
        if ((c.digitSet & filter.required) != filter.required) continue;
        if ((c.digitSet & filter.excluded) != 0) continue;
        found.push_back(c);
    }
    return found;
}

SumRange sumRange(int length) {
    if (length < 1 || length > 9) return {};
    // The smallest digits 1..length, the largest 10-length..9.
    return {length * (length + 1) / 2, length * (19 - length) / 2};
}

std::string combinationCountText(int count) {
    return std::to_string(count) + " " + czechPlural(count, "kombinace", "kombinace", "kombinací");
}

std::string runCaption(Direction direction, const std::optional<SelectedRun>& run) {
    const std::string way = direction == Direction::kAcross ? "vodorovně: " : "svisle: ";
    if (!run) return way + "žádná řada";
    return way + std::to_string(run->length) + " " +
           czechPlural(run->length, "políčko", "políčka", "políček") + ", součet " +
           std::to_string(run->sum);
}

void CombinationFinder::open() {
    filter_ = {};
    if (!selectedRun(Direction::kAcross)) {
        chooseRun(Direction::kDown);
        return;
    }
    chooseRun(Direction::kAcross);
}

void CombinationFinder::chooseLength(int length) {
    if (length < 0 || length > 9) return;
    filter_.length = length;
    const SumRange sums = sumRange(length);
    if (filter_.sum < sums.lowest || filter_.sum > sums.highest) filter_.sum = 0;
}

void CombinationFinder::chooseSum(int sum) {
    const SumRange sums = sumRange(filter_.length);
    if (sum == 0 || (sum >= sums.lowest && sum <= sums.highest)) filter_.sum = sum;
}

void CombinationFinder::toggleRequired(int digit) {
    if (digit < 1 || digit > 9) return;
    filter_.required ^= digitBit(digit);
    filter_.excluded &= static_cast<DigitSet>(~filter_.required);
}

void CombinationFinder::toggleExcluded(int digit) {
    if (digit < 1 || digit > 9) return;
    filter_.excluded ^= digitBit(digit);
    filter_.required &= static_cast<DigitSet>(~filter_.excluded);
}

void CombinationFinder::chooseRun(Direction direction) {
    const auto run = selectedRun(direction);
    if (!run) return;
    filter_.length = run->length;
    filter_.sum = run->sum;
}

std::optional<SelectedRun> CombinationFinder::selectedRun(Direction direction) const {
    const int row = screen_.selectedRow, column = screen_.selectedColumn;
    if (!board_.isEntry(row, column)) return std::nullopt;
    const SquareRun run = runOfSquare(board_, direction, row, column);
    // The square lies in the run its clue begins (a malformed task may link
    // it to a clue whose run ends before it), and the run has a sum that
    // digits 1..9 can make.
    const Cell& square = board_.at(row, column);
    const bool across = direction == Direction::kAcross;
    const int place = across ? column - square.acrossClueCol : row - square.downClueRow;
    const Cell& clue = across
                           ? board_.at(row, std::max(1, static_cast<int>(square.acrossClueCol)))
                           : board_.at(std::max(1, static_cast<int>(square.downClueRow)), column);
    const SumRange sums = sumRange(run.measure.length);
    if (clue.kind != kClue || run.measure.length < 1 || place > run.measure.length ||
        run.sum < sums.lowest || run.sum > sums.highest)
        return std::nullopt;
    return SelectedRun{run.measure.length, run.sum};
}

CombinationsScreen CombinationFinder::screen() const {
    CombinationsScreen shown;
    shown.filter = filter_;
    shown.sums = sumRange(filter_.length);
    shown.combinations = findCombinations(filter_);
    shown.countText = combinationCountText(static_cast<int>(shown.combinations.size()));
    shown.acrossRun = selectedRun(Direction::kAcross);
    shown.downRun = selectedRun(Direction::kDown);
    shown.acrossCaption = runCaption(Direction::kAcross, shown.acrossRun);
    shown.downCaption = runCaption(Direction::kDown, shown.downRun);
    return shown;
}

}  // namespace krizovky
