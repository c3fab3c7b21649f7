#include <gtest/gtest.h>

#include "model/text.h"
#include "support/game_fixture.h"
#include "support/solver_slices.h"

namespace krizovky {
namespace {

using testing::GameFixture;
using testing::smallTask;

// Three blocks of four entry squares, each with across 3 over 4 and down 3
// and 4, solved by 2 1 over 1 3: rows 2 and 3 in columns 2..3 and 6..7 (a
// blank and a clue square between them), rows 5 and 6 in columns 2..3 (a row
// of clues above them). Blank squares run from each block to the right edge.
const std::string kBlocks = smallTask({"0,0/3,0/4,0,0,0/3,0/4", "3/0,2,2,0,3/0,2,2",
                                       "4/0,2,2,0,4/0,2,2", "0,0/3,0/4", "3/0,2,2", "4/0,2,2"});

// Everything a player could tell apart: the squares' captions and colours,
// the hints, the boxes, the history and the squares the handlers keep.
std::string seen(const GameFixture& f) {
    const Game& g = f.game;
    const MainScreen& s = g.screen();
    std::string text;
    auto add = [&text](int value) { text += std::to_string(value) + ' '; };
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 7; ++c) {
            text += s.square(r, c).caption;
            add(s.square(r, c).background.value_or(-1));
        }
        text += '\n';
    }
    for (const auto* memo : {&s.acrossHints, &s.downHints, &s.allowedDigits})
        for (const std::string& line : *memo)
            text += line + '|';
    add(s.acrossPanel + 2 * s.downPanel + 4 * s.allowedPanel);
    for (const std::string& message : f.host.messages)
        text += "\nmessage " + message;
    const MoveHistory& h = g.history();
    for (int k = 1; k <= h.moveCount; ++k) {
        const Move& move = h.move(k);
        text += "\nmove";
        for (int value : {move.row, move.col, move.byPlayer, move.prevDigit})
            add(value);
    }
    text += "\nlast ";
    for (BoardSquare square :
         {h.lastPlayerMove, g.play().currentSquare(), g.play().popupSquare()}) {
        add(square.row);
        add(square.column);
    }
    return text;
}

struct KeyboardTest : ::testing::Test {
    GameFixture f{kBlocks};
    Game& g = f.game;

    void SetUp() override { f.choose("t"); }
    int digit(int row, int column) const { return g.board().at(row, column).digit; }
    Colour colour(int row, int column) const {
        return g.screen().square(row, column).background.value_or(-1);
    }
};

// One step of play: a key on the selected square, and where an arrow key is
// to lead (0, 0: nowhere).
struct Step {
    Key key;
    int row = 0;
    int column = 0;
};

TEST(Keyboard, KeysPlayExactlyAsTheMouseDoes) {
    // The same game twice: with the keys, and with the clicks and menu items
    // they stand for. Writes with completion, a completion that runs into a
    // repeated digit, erasures, arrows past blank and clue squares and arrows
    // with nothing that way, and the last digit's congratulation.
    const std::vector<Step> steps = {
        {Key::kUp},          {Key::kLeft},       {Key::k2},         {Key::kRight, 2, 3},
        {Key::kRight, 2, 6}, {Key::k1},          {Key::kBackspace}, {Key::kDown, 3, 6},
        {Key::kDown},        {Key::kDelete},     {Key::kUp, 2, 6},  {Key::kRight, 2, 7},
        {Key::kDelete},      {Key::kLeft, 2, 6}, {Key::k2},         {Key::kLeft, 2, 3},
        {Key::kDown, 3, 3},  {Key::kDown, 5, 3}, {Key::k1},         {Key::kDown, 6, 3},
        {Key::kDown},        {Key::kRight},
    };
    GameFixture keys(kBlocks), mouse(kBlocks);
    for (GameFixture* f : {&keys, &mouse}) {
        f->choose("t");
        f->game.play().selectSquare(2, 2);
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        keys.game.play().keyPress(step.key);
        const BoardSquare at = mouse.game.play().currentSquare();
        if (keyDigit(step.key) != 0) {
            mouse.game.play().openSquareMenu(at.row, at.column);
            mouse.game.play().chooseDigit(keyDigit(step.key));
        } else if (step.key == Key::kDelete || step.key == Key::kBackspace) {
            mouse.game.play().openSquareMenu(at.row, at.column);
            mouse.game.play().eraseSquare();
        } else if (step.row != 0) {
            mouse.game.play().selectSquare(step.row, step.column);
        }
        ASSERT_EQ(seen(keys), seen(mouse)) << "after step " << i + 1;
    }
    // The game went somewhere: refusals on the way, and the end.
    const auto& messages = keys.host.messages;
    ASSERT_GE(messages.size(), 2u);
    EXPECT_NE(messages.front().find("duplikátní"), std::string::npos);
    EXPECT_EQ(messages.back(), "Celou křížovku jste úspěšně vyřešil, gratuluji!");
}

TEST_F(KeyboardTest, AtIq100ADigitTheMenuWouldNotOfferDoesNothing) {
    g.play().toggleAutoFill();  // no completion
    g.play().selectSquare(2, 2);
    g.play().keyPress(Key::k2);
    g.play().selectSquare(2, 3);
    const std::string before = seen(f);
    for (Key key : {Key::k2, Key::k3, Key::k9}) {  // 2 is in the row, 3 and 9 make no 3
        g.play().keyPress(key);
        EXPECT_EQ(seen(f), before) << keyDigit(key);
    }
    g.play().keyPress(Key::k1);
    EXPECT_EQ(digit(2, 3), 1);

    // At 130 the menu offers every digit and the check refuses the repeat.
    g.play().setLevel(Level::k130);
    g.play().keyPress(Key::k2);
    EXPECT_EQ(digit(2, 3), 1);
    EXPECT_EQ(f.host.messages.back(), "Vkládané číslo 2 je v řádku duplikátní!");
    g.play().toggleChecking();  // without the check it lands
    g.play().keyPress(Key::k2);
    EXPECT_EQ(digit(2, 3), 2);
}

TEST_F(KeyboardTest, KeysWaitForAClickOnTheBoardShown) {
    g.play().keyPress(Key::k2);
    g.play().keyPress(Key::kRight);
    EXPECT_TRUE(g.play().currentSquare().none());
    EXPECT_EQ(g.history().moveCount, 0);

    g.play().selectSquare(9, 9);  // a blank square selects nothing
    g.play().keyPress(Key::kDown);
    EXPECT_TRUE(g.play().currentSquare().none());

    // "&Znovu" keeps the selected square but no longer paints it.
    g.play().selectSquare(2, 2);
    g.tasks().reloadTask();
    ASSERT_EQ(g.play().currentSquare(), (BoardSquare{2, 2}));
    ASSERT_EQ(colour(2, 2), kYellow);
    g.play().keyPress(Key::k2);
    g.play().keyPress(Key::kDelete);
    g.play().keyPress(Key::kRight);
    EXPECT_EQ(g.history().moveCount, 0);
    EXPECT_EQ(g.play().currentSquare(), (BoardSquare{2, 2}));

    // "160" takes the selection away; a click gives it back.
    g.play().setLevel(Level::k160);
    g.play().keyPress(Key::k1);
    EXPECT_EQ(g.history().moveCount, 0);
    g.play().selectSquare(5, 2);
    g.play().keyPress(Key::kRight);
    g.play().keyPress(Key::k1);
    EXPECT_EQ(digit(5, 3), 1);
    EXPECT_EQ(colour(5, 3), kRed);
}

TEST(Keyboard, KeysDoNothingWhileTheSolverSearchesNorOnItsSquares) {
    // A key between each two slices of the solver, one placement a slice:
    // the solve goes as it goes without. Across 13 and 23, down 10, 16 and
    // 10: the search steps back once.
    const std::string task = smallTask({"0,0/10,0/16,0/10", "13/0,2,2,2", "23/0,2,2,2"});
    GameFixture f(task), quiet(task);
    Game& g = f.game;
    f.choose("t");
    quiet.choose("t");
    quiet.game.play().selectSquare(2, 2);
    quiet.game.solver().setSolverSpeed(SolverSpeed::kStep);
    quiet.host.confirmations.push_back(true);
    quiet.game.solver().askToSolve();
    testing::finishSolve(quiet.game);

    g.play().selectSquare(2, 2);
    g.solver().setSolverSpeed(SolverSpeed::kStep);
    const Key keys[] = {Key::k1, Key::kRight, Key::kDelete, Key::k9, Key::kDown};
    std::size_t pressed = 0;
    f.host.confirmations.push_back(true);
    g.solver().askToSolve();
    testing::finishSolve(g, [&] {
        g.play().keyPress(keys[pressed++ % std::size(keys)]);
        g.tasks().taskListKeyPress(Key::kEscape);
    });
    EXPECT_GT(pressed, 0u);
    EXPECT_EQ(f.host.repaintedSquares, quiet.host.repaintedSquares);
    EXPECT_EQ(seen(f), seen(quiet));

    // The solver's last square is no selection of the player's.
    const int moves = g.history().moveCount;
    g.play().keyPress(Key::kDelete);
    g.play().keyPress(Key::kLeft);
    EXPECT_EQ(g.history().moveCount, moves);
    EXPECT_EQ(g.play().currentSquare(), quiet.game.play().currentSquare());
}

TEST_F(KeyboardTest, EscapeClosesTheTaskListAndKeepsTheBoard) {
    g.tasks().showTaskList();
    g.tasks().taskListKeyPress(Key::k1);
    g.tasks().taskListKeyPress(Key::kDown);
    EXPECT_TRUE(g.tasks().taskListScreen().visible);
    g.tasks().taskListKeyPress(Key::kEscape);
    EXPECT_FALSE(g.tasks().taskListScreen().visible);
    EXPECT_TRUE(g.screen().boardPanel);
    EXPECT_EQ(g.board().at(2, 2).kind, kEntry);
}

}  // namespace
}  // namespace krizovky
