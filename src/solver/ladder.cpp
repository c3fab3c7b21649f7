#include "solver/ladder.h"

#include <algorithm>

namespace krizovky::ladder {

Ladder::Ladder(const Board& board, const CombinationTable& table) : layout_(board, table) {
    malformed_ = !layout_.malformed().empty();
    if (malformed_) return;
    runs_.reserve(layout_.runs().size());
    for (const LaidRun& laid : layout_.runs()) {
        Run run;
        run.clueRow = laid.clueRow;
        run.clueCol = laid.clueCol;
        run.across = laid.across;
        run.length = laid.length;
        run.squares = laid.squares;
        // The table's records of the group, each distinct digit set once; a
        // record that does not make the sum with this many digits is no use.
        for (int i = laid.combinations.first; i < laid.combinations.first + laid.combinations.count;
             ++i) {
            const DigitSet set = table.digitSetOf(i);
            if ((set & ~kAllDigits) != 0 || std::popcount(set) != run.length) continue;
            int total = 0;
            for (int d = 1; d <= 9; ++d)
                total += (set & digitBit(d)) != 0 ? d : 0;
            bool seen = total != laid.sum;
            for (int j = 0; j < run.comboCount && !seen; ++j)
                seen = run.combos[j] == set;
            if (seen || run.comboCount == kMaxCombos) continue;
            for (int d = 1; d <= 9; ++d)
                if ((set & digitBit(d)) != 0) run.withDigit[d] |= ComboMask(1u << run.comboCount);
            run.combos[run.comboCount++] = set;
        }
        if (run.comboCount == 0) {
            malformed_ = true;
            return;
        }
        runs_.push_back(run);
    }
}

// Candidates from the board: a written digit is the square's only one.
// False when a written digit is none a square may hold.
bool Ladder::start(const Board& board) {
    const auto& squares = layout_.squares();
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        state_.live[r] = ComboMask((1u << runs_[r].comboCount) - 1);
        version_[r] = 1;
    }
    bool sound = true;
    for (std::size_t s = 0; s < squares.size(); ++s) {
        const int digit = board.at(squares[s].row, squares[s].col).digit;
        state_.cands[s] =
            digit == 0 ? kAllDigits : static_cast<DigitSet>(digitBit(digit) & kAllDigits);
        sound = sound && state_.cands[s] != 0;
    }
    // The combinations of each run must hold the digits written in it.
    for (std::size_t s = 0; s < squares.size(); ++s)
        if (single(state_.cands[s]))
            for (int run : squares[s].runs)
                state_.live[run] &= runs_[run].withDigit[digitOf(state_.cands[s])];
    return sound;
}

bool Ladder::allDecided() const {
    for (std::size_t s = 0; s < layout_.squares().size(); ++s)
        if (!single(state_.cands[s])) return false;
    return true;
}

// With every square decided: whether each run holds one of its
// combinations, every digit once.
bool Ladder::decidedRunsHold() const {
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        const Run& run = runs_[r];
        DigitSet digits = 0;
        for (int k = 0; k < run.length; ++k)
            digits |= state_.cands[run.squares[k]];
        bool found = false;
        for (int i = 0; i < run.comboCount && !found; ++i)
            found = run.combos[i] == digits;
        if (!found) return false;  // a digit twice, or the wrong sum
    }
    return true;
}

void Ladder::writeDigits(Board& board) const {
    for (std::size_t s = 0; s < layout_.squares().size(); ++s)
        if (single(state_.cands[s]))
            board.at(layout_.squares()[s].row, layout_.squares()[s].col).digit =
                static_cast<std::uint8_t>(digitOf(state_.cands[s]));
}

void Ladder::writeCandidates(
    std::array<std::array<DigitSet, kBoardSize + 1>, kBoardSize + 1>& candidates) const {
    for (std::size_t s = 0; s < layout_.squares().size(); ++s)
        candidates[layout_.squares()[s].row][layout_.squares()[s].col] = state_.cands[s];
}

bool Ladder::find(Found& f, Technique hardest) {
    f = Found{};
    const int top = rungOf(hardest);
    return singleCombination(f) || (top >= 2 && runIntersection(f)) || (top >= 3 && onlyPlace(f)) ||
           (top >= 4 && combinationExclusion(f)) || (top >= 5 && closedGroup(f)) ||
           (top >= 6 && arrangement(f)) ||
           (top >= 7 && trials(f, Technique::kCrossing, kCrossingReach)) ||
           (top >= 8 && trials(f, Technique::kChain, kChainReach));
}

void Ladder::addSquare(Deduction& d, int s) const {
    d.squares.push_back({layout_.squares()[s].row, layout_.squares()[s].col});
    d.candidates.push_back(state_.cands[s]);
}

void Ladder::addRun(Deduction& d, int r) const {
    const Run& run = runs_[r];
    d.runs.push_back({run.clueRow, run.clueCol, run.across});
}

void Ladder::addCombos(Deduction& d, int r, ComboMask mask) const {
    for (; mask != 0; mask &= mask - 1)
        d.combinations.push_back(runs_[r].combos[std::countr_zero(mask)]);
}

// The deduction as a player is told it, from the state before it is applied.
Deduction Ladder::describe(const Found& f) {
    Deduction d;
    d.technique = f.technique;
    if (f.run >= 0) addRun(d, f.run);
    const Run* run = f.run >= 0 ? &runs_[f.run] : nullptr;
    switch (f.technique) {
        case Technique::kSingleCombination:
        case Technique::kCombinationExclusion:
        case Technique::kArrangement:
            for (int k = 0; k < run->length; ++k)
                addSquare(d, run->squares[k]);
            addCombos(d, f.run,
                      f.technique == Technique::kSingleCombination ? state_.live[f.run]
                                                                   : f.removedCombos);
            break;
        case Technique::kRunIntersection:
            describeIntersection(f, d);
            break;
        case Technique::kOnlyPlace:
            addSquare(d, f.square);
            for (int k = 0; k < run->length; ++k)
                if (run->squares[k] != f.square) addSquare(d, run->squares[k]);
            addCombos(d, f.run, state_.live[f.run]);
            d.digits = digitBit(f.digit);
            break;
        case Technique::kClosedGroup:
            for (int k = 0; k < run->length; ++k)
                if ((f.groupPositions >> k) & 1u) addSquare(d, run->squares[k]);
            d.digits = f.groupDigits;
            break;
        case Technique::kCrossing:
        case Technique::kChain:
            describeTrial(f, d);
            break;
    }
    for (int i = 0; i < f.changeCount; ++i) {
        const int s = f.changeSquare[i];
        const DigitSet removed = state_.cands[s] & ~f.changeTo[i];
        if (removed != 0)
            d.eliminations.push_back({layout_.squares()[s].row, layout_.squares()[s].col, removed});
    }
    return d;
}

// průsečík řad: the square, its two runs, and the decided squares of those
// runs whose digits it lost.
void Ladder::describeIntersection(const Found& f, Deduction& d) const {
    addSquare(d, f.square);
    const DigitSet removed = state_.cands[f.square] & ~f.changeTo[0];
    for (int r : layout_.squares()[f.square].runs) {
        addRun(d, r);
        const Run& through = runs_[r];
        for (int k = 0; k < through.length; ++k) {
            const int s = through.squares[k];
            if (s != f.square && single(state_.cands[s]) && (state_.cands[s] & removed) != 0)
                addSquare(d, s);
        }
    }
    d.allowed.assign(f.allowed.begin(), f.allowed.end());
}

// The trial again, to record where it went: the square assumed and the one
// emptied keep their places, even when they are the same square, then the
// squares narrowed; the square's two runs, then the runs narrowed.
void Ladder::describeTrial(const Found& f, Deduction& d) {
    Trace trace;
    trial(f.square, f.digit, f.technique == Technique::kCrossing ? kCrossingReach : kChainReach,
          &trace);
    std::vector<int> squares{f.square, f.emptied};
    for (int s : trace.squares)
        if (std::find(squares.begin(), squares.end(), s) == squares.end()) squares.push_back(s);
    for (int s : squares)
        addSquare(d, s);
    std::vector<int> runs(layout_.squares()[f.square].runs.begin(),
                          layout_.squares()[f.square].runs.end());
    for (int r : trace.runs)
        if (std::find(runs.begin(), runs.end(), r) == runs.end()) runs.push_back(r);
    for (int r : runs)
        addRun(d, r);
    d.digits = digitBit(f.digit);
}

// Applies the deduction; appends the squares it decided to placements when
// given. False when it left a square with no digit.
bool Ladder::apply(const Found& f, std::vector<Placement>* placements) {
    bool sound = true;
    for (int i = 0; i < f.changeCount; ++i) {
        const int s = f.changeSquare[i];
        const bool wasSingle = single(state_.cands[s]);
        setCands(state_, s, f.changeTo[i]);
        sound = sound && f.changeTo[i] != 0;
        if (placements && !wasSingle && single(f.changeTo[i]))
            placements->push_back(
                {layout_.squares()[s].row, layout_.squares()[s].col, digitOf(f.changeTo[i])});
    }
    if (f.removedCombos != 0) {
        state_.live[f.run] &= ComboMask(~f.removedCombos);
        ++version_[f.run];
    }
    return sound;
}

}  // namespace krizovky::ladder
