#pragma once

#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace krizovky::testing {

// Eight squares in two rows, played at "130" with the checks and the
// completion off, so that any digit lands where it is put.
struct FreePlay : ::testing::Test {
    GameFixture f{smallTask({"0,0/30,0/30,0/30,0/30", "30/0,2,2,2,2", "30/0,2,2,2,2"})};
    Game& g = f.game;
    const MainScreen& s = g.screen();
    const MoveHistory& h = g.history();

    void SetUp() override {
        f.choose("t");
        g.play().toggleChecking();
        g.play().toggleAutoFill();
        g.play().setLevel(Level::k130);
    }
    // The digit from the square's pop-up menu.
    void write(int row, int column, int digit) {
        g.play().openSquareMenu(row, column);
        g.play().chooseDigit(digit);
    }
    // 1 into (2, 2) with Mark 1, 2 into (2, 3), 3 into (2, 4) with Mark 2, then
    // 4 into (2, 5).
    void playTwoMarks() {
        write(2, 2, 1);
        g.moves().setMark();
        write(2, 3, 2);
        write(2, 4, 3);
        g.moves().setMark();
        write(2, 5, 4);
    }
    int digit(int row, int column) const { return g.board().at(row, column).digit; }
    int mark(int row, int column) const { return g.board().at(row, column).mark; }
};

}  // namespace krizovky::testing
