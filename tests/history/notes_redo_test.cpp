// The rules of notes and redo in the history: what a written digit takes off
// the notes of its runs and what the undo puts back, the steps a redo replays,
// and the notes' record kept in step with the Moves.
#include <gtest/gtest.h>

#include "history/move_history.h"
#include "history/notes.h"
#include "history/redo.h"
#include "support/task_text.h"

namespace krizovky {
namespace {

TEST(Notes, ADigitLeavesTheNotesOfItsTwoRunsAndComesBackWhole) {
    // Entry squares: row 2 columns 2, 3 and 5; row 3 columns 2 to 5; row 4
    // columns 2, 4 and 5.
    Board board = testing::boardOf({"0*5", "0,2,2,0,2", "0,2,2,2,2", "0,2,0,2,2"});
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 5; ++c)
            board.at(r, c).notes = digitBit(1) | digitBit(5);
    const Board before = board;

    const std::vector<NoteRemoval> taken = takeNoteFromRuns(board, 3, 3, 5);
    // Across (3, 2), (3, 4), (3, 5); down (2, 3), where the blank (4, 3) ends it.
    const std::vector<NoteRemoval> expected{
        {3, 2, digitBit(5)}, {3, 4, digitBit(5)}, {3, 5, digitBit(5)}, {2, 3, digitBit(5)}};
    EXPECT_EQ(taken, expected);
    for (auto [r, c] : {std::pair{3, 2}, {3, 4}, {3, 5}, {2, 3}})
        EXPECT_EQ(board.at(r, c).notes, digitBit(1)) << r << c;
    for (auto [r, c] : {std::pair{3, 3}, {2, 2}, {2, 5}, {4, 2}, {4, 4}})
        EXPECT_EQ(board.at(r, c).notes, before.at(r, c).notes) << r << c;
    EXPECT_TRUE(takeNoteFromRuns(board, 3, 3, 5).empty());  // nothing left to take
    EXPECT_TRUE(takeNoteFromRuns(board, 3, 3, 0).empty());  // an erasure takes nothing

    putNotesBack(board, taken);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(board.at(r, c).notes, before.at(r, c).notes) << r << c;
}

TEST(Notes, TheirRecordMovesWithTheMovesPastTheFullHistory) {
    MoveHistory history;
    for (int k = 1; k <= kMoveSlots + 1; ++k) {
        history.recordMove(2, 2, true, 0);
        history.keepRemovedNotes({{static_cast<std::uint8_t>(k % 15 + 1), 3, digitBit(4)}});
    }
    ASSERT_EQ(history.moveCount, kMoveSlots);
    // The oldest Move went, and its notes with it: each slot still holds its own.
    EXPECT_EQ(history.removedNotes[1].front().row, 2 % 15 + 1);
    EXPECT_EQ(history.takeRemovedNotes().front().row, (kMoveSlots + 1) % 15 + 1);
    EXPECT_TRUE(history.takeRemovedNotes().empty());  // taken once
    history.recordMove(2, 2, true, 0);                // a new Move starts without notes
    EXPECT_TRUE(history.takeRemovedNotes().empty());
}

TEST(Redo, EachPlayersEntryIsOneStepTheEarliestOnTop) {
    auto player = [](int row, int digit) {
        return RedoMove{static_cast<std::uint8_t>(row), 2, static_cast<std::uint8_t>(digit), true};
    };
    auto automatic = [](int row, int digit) {
        return RedoMove{static_cast<std::uint8_t>(row), 3, static_cast<std::uint8_t>(digit), false};
    };
    const struct {
        const char* what;
        std::vector<std::vector<RedoMove>> undos;  // each newest first
        std::vector<RedoStep> redos;               // in the order they replay
    } cases[] = {
        {"one entry with its completion",
         {{automatic(4, 2), automatic(3, 1), player(2, 7)}},
         {{player(2, 7), automatic(3, 1), automatic(4, 2)}}},
        {"back to a Mark over three entries",
         {{player(4, 3), automatic(3, 9), player(3, 8), player(2, 0)}},
         {{player(2, 0)}, {player(3, 8), automatic(3, 9)}, {player(4, 3)}}},
        {"two undos: the older entry first",
         {{player(3, 5)}, {player(2, 4)}},
         {{player(2, 4)}, {player(3, 5)}}},
        {"automatic Moves at the bottom of the history",
         {{player(3, 5), automatic(2, 1)}},
         {{automatic(2, 1)}, {player(3, 5)}}},
    };
    for (const auto& c : cases) {
        RedoList list;
        for (const auto& undo : c.undos)
            list.addTakenBack(undo);
        std::vector<RedoStep> replayed;
        for (; !list.empty(); list.dropNext())
            replayed.push_back(list.next());
        EXPECT_EQ(replayed, c.redos) << c.what;
    }
}

}  // namespace
}  // namespace krizovky
