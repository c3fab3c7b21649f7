#include <gtest/gtest.h>

#include "history/saved_game.h"
#include "model/text.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;
using testing::smallTask;

// Across 10 over three squares in row 2 and 16 over three in row 3; down 3,
// 4 and 13 over two squares each.
const std::string kTwoRows = smallTask({"0,0/3,0/4,0/13", "10/0,2,2,2", "16/0,2,2,2"});

struct EntryTest : ::testing::Test {
    GameFixture f{kTwoRows};
    Game& g = f.game;
    void SetUp() override {
        f.choose("t");
        g.play().toggleAutoFill();  // no completion unless a test asks for it
    }
    void write(int row, int column, int digit) {
        g.play().openSquareMenu(row, column);
        g.play().chooseDigit(digit);
    }
    int digit(int row, int column) { return g.board().at(row, column).digit; }
};

TEST_F(EntryTest, TheImmediateCheckRefusesWithTheFourMessages) {
    g.play().setLevel(Level::k130);  // every digit item is offered
    write(2, 4, 6);
    write(2, 2, 4);  // 4 + 6 reach 10 while a square is still empty
    EXPECT_EQ(f.host.messages.back(), "Při vložení čísla 4 by v řádku součet nesouhlasil!");
    EXPECT_EQ(digit(2, 2), 0);

    write(3, 4, 6);  // down 13: 6 and 6
    EXPECT_EQ(f.host.messages.back(), "Vkládané číslo 6 je ve sloupci duplikátní!");
    write(3, 2, 1);
    write(2, 2, 3);  // down 3: 3 + 1 when full
    EXPECT_EQ(f.host.messages.back(), "Při vložení čísla 3 by součet ve sloupci nesouhlasil!");
    EXPECT_EQ(g.history().moveCount, 2);
    EXPECT_EQ(g.history().lastPlayerMove, (BoardSquare{2, 2}));  // noted even when refused

    // Two equal digits placed without the check refuse every digit in the third square.
    g.play().toggleChecking();
    write(3, 3, 1);
    g.play().toggleChecking();
    write(3, 4, 5);
    EXPECT_EQ(f.host.messages.back(), "Vkládané číslo 5 je v řádku duplikátní!");
    EXPECT_EQ(f.host.messages.size(), 4u);
}

TEST(Entry, DownRunNotYetFullIsNotHeldToItsSum) {
    // Down 10 over three squares holding a 6: a 4 passes where across it would not.
    GameFixture f(smallTask({"0,0/10", "4/0,2", "5/0,2", "6/0,2"}));
    f.choose("t");
    f.game.play().toggleAutoFill();
    f.game.play().setLevel(Level::k130);
    for (auto [row, digit] : {std::pair{4, 6}, std::pair{2, 4}}) {
        f.game.play().openSquareMenu(row, 2);
        f.game.play().chooseDigit(digit);
    }
    EXPECT_EQ(f.game.board().at(2, 2).digit, 4);
    EXPECT_TRUE(f.host.messages.empty());
}

TEST_F(EntryTest, EveryEntryAndErasureIsAMove) {
    g.play().toggleChecking();
    g.play().setLevel(Level::k130);
    write(2, 2, 5);
    write(2, 2, 7);
    g.play().openSquareMenu(2, 2);
    g.play().eraseSquare();
    g.play().openSquareMenu(2, 3);
    g.play().eraseSquare();
    const MoveHistory& h = g.history();
    ASSERT_EQ(h.moveCount, 4);
    EXPECT_EQ(h.move(1).prevDigit, 0);
    EXPECT_EQ(h.move(2).prevDigit, 5);
    EXPECT_EQ(h.move(3).prevDigit, 7);
    EXPECT_EQ(h.move(4).prevDigit, 0);
    EXPECT_EQ(h.move(4).byPlayer, 1);
    EXPECT_EQ(g.screen().square(2, 2).caption, " ");
    // "vymaž" notes no last player move.
    EXPECT_EQ(h.lastPlayerMove, (BoardSquare{2, 2}));
    EXPECT_TRUE(g.screen().markButton && g.screen().undoButton);
}

TEST(Completion, CascadesAndEndsTheGame) {
    GameFixture f;  // the example: 7 1 over 9 2
    f.choose("priklad");
    Game& g = f.game;
    g.play().openSquareMenu(2, 2);
    g.play().chooseDigit(7);
    const MoveHistory& h = g.history();
    ASSERT_EQ(h.moveCount, 4);
    const int expected[][3] = {{2, 2, 1}, {3, 2, 0}, {2, 3, 0}, {3, 3, 0}};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(h.move(k).row, expected[k - 1][0]) << k;
        EXPECT_EQ(h.move(k).col, expected[k - 1][1]) << k;
        EXPECT_EQ(h.move(k).byPlayer, expected[k - 1][2]) << k;
    }
    EXPECT_EQ(f.host.messages,
              std::vector<std::string>{"Celou křížovku jste úspěšně vyřešil, gratuluji!"});

    // One step takes the player's entry back with everything that followed it.
    g.moves().undoMove();
    EXPECT_EQ(h.moveCount, 0);
    for (auto [r, c] : {std::pair{2, 2}, {2, 3}, {3, 2}, {3, 3}})
        EXPECT_EQ(g.board().at(r, c).digit, 0);
    EXPECT_FALSE(g.screen().markButton || g.screen().undoButton);
}

TEST(Completion, MissingDigitOfTenOrMoreIsNotWrittenAndOnlyTheLastTryDecides) {
    // Across 17 over two squares; down 6 and 16 over two squares each.
    GameFixture f(smallTask({"0,0/6,0/16", "17/0,2,2", "11/0,2,2"}));
    f.choose("t");
    Game& g = f.game;
    g.play().setLevel(Level::k130);
    g.play().openSquareMenu(2, 2);
    g.play().chooseDigit(5);
    // Down 6 gets its 1; across 17 would need 12 and across 11 a 10.
    EXPECT_EQ(g.board().at(3, 2).digit, 1);
    EXPECT_EQ(g.board().at(2, 3).digit, 0);
    EXPECT_EQ(g.history().moveCount, 2);
    EXPECT_TRUE(f.host.messages.empty());
}

TEST(Completion, TheLastSquareEndsTheGameOnEveryBoardItWasBuiltFrom) {
    GameFixture f;  // the example: 7 1 over 9 2
    f.choose("priklad");
    Game& g = f.game;
    g.play().toggleAutoFill();
    auto write = [&](int row, int column, int digit) {
        g.play().openSquareMenu(row, column);
        g.play().chooseDigit(digit);
    };
    write(2, 2, 7);
    write(2, 3, 1);
    write(3, 2, 9);
    const std::string saved = encodeSavedGame(g.board(), g.history());
    write(3, 3, 2);
    g.moves().undoMove();
    write(3, 3, 2);           // full again after the undo
    f.host.answers = {true};  // "Začít úlohu znovu?"
    g.tasks().reloadTask();
    write(2, 2, 7);  // a fresh board, then a saved game with one square open
    g.persistence().loadSavedGame(saved, "g.ulo");
    write(3, 3, 2);
    EXPECT_EQ(f.host.messages,
              std::vector<std::string>(3, "Celou křížovku jste úspěšně vyřešil, gratuluji!"));
}

TEST(DoubleClick, WritesTheSingleAllowedDigitAt100Only) {
    GameFixture f;
    f.choose("priklad");
    Game& g = f.game;
    g.play().selectSquare(2, 3);  // across 8 and down 3: 1 or 2
    g.play().writeSingleDigit(2, 3);
    EXPECT_EQ(g.history().moveCount, 0);

    g.play().selectSquare(2, 2);  // across 8 and down 16: 7 only
    g.play().setLevel(Level::k130);
    g.play().writeSingleDigit(2, 2);
    EXPECT_EQ(g.history().moveCount, 0);
    g.play().setLevel(Level::k100);
    g.play().selectSquare(2, 2);
    g.play().writeSingleDigit(2, 2);
    // The 7, then the completion of the board.
    EXPECT_EQ(g.board().at(2, 2).digit, 7);
    EXPECT_EQ(g.board().at(3, 3).digit, 2);
    EXPECT_EQ(g.history().moveCount, 4);
    EXPECT_EQ(g.history().lastPlayerMove, (BoardSquare{2, 2}));
}

}  // namespace
}  // namespace krizovky
