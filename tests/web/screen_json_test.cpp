// The screen state the web page draws from, as JSON: the board of the
// picture, the panels and buttons, the options and the request that waits.
#include "web/screen_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/game_fixture.h"

namespace krizovky {
namespace {

using nlohmann::json;
using testing::GameFixture;

json screenOf(const Game& game) {
    return json::parse(screenJson(game));
}

TEST(ScreenJsonTest, TheBoardItsSquaresAndTheSelectedSquareComeAsThePictureHasThem) {
    GameFixture f;
    EXPECT_FALSE(screenOf(f.game).at("boardShown"));
    EXPECT_FALSE(screenOf(f.game).contains("board"));

    f.choose("priklad");  // 7 1 over 9 2
    f.game.play().toggleAutoFill();
    f.game.play().openSquareMenu(2, 2);
    f.game.play().chooseDigit(7);
    f.game.moves().toggleNote(3, 3, 2);
    const json screen = screenOf(f.game);
    const json& board = screen.at("board");
    EXPECT_EQ(board.at("rows"), 3);
    EXPECT_EQ(board.at("columns"), 3);
    const json& squares = board.at("squares");
    EXPECT_EQ(squares[0][0].at("kind"), "blank");
    EXPECT_EQ(squares[0][1].at("kind"), "clue");
    EXPECT_EQ(squares[0][1].at("across"), 0);
    EXPECT_EQ(squares[0][1].at("down"), 16);
    EXPECT_EQ(squares[0][1].at("text"), kWhite);
    EXPECT_EQ(squares[1][0].at("across"), 8);
    EXPECT_EQ(squares[1][1].at("digit"), 7);
    EXPECT_EQ(squares[2][2].at("digit"), 0);
    EXPECT_EQ(squares[2][2].at("notes"), "2");
    EXPECT_EQ(squares[2][2].at("label"), "řádek 3, sloupec 3, prázdné, poznámky 2");
    EXPECT_EQ(screen.at("current"), (json{2, 2}));
    EXPECT_EQ(screen.at("taskName"), "  priklad  ");
    EXPECT_TRUE(screen.at("buttons").at("undo"));
    EXPECT_FALSE(screen.at("buttons").at("redo"));
    EXPECT_FALSE(screen.at("options").at("autoFill"));
    EXPECT_EQ(screen.at("options").at("iq"), 100);
    // The pop-up menu offered the one digit IQ 100 allows the square.
    EXPECT_EQ(screen.at("menu").at("digits"), json{7});
    EXPECT_TRUE(screen.at("hints").contains("across"));
    EXPECT_FALSE(screen.contains("request"));
}

TEST(ScreenJsonTest, AQuestionWaitsAsTheRequestWithItsText) {
    GameFixture f;
    f.choose("priklad");
    f.game.play().toggleAutoFill();
    f.host.answersAtOnce = false;
    f.game.play().openSquareMenu(2, 2);
    f.game.play().chooseDigit(7);
    f.game.tasks().reloadTask();
    const json request = screenOf(f.game).at("request");
    EXPECT_EQ(request.at("kind"), "yesNo");
    EXPECT_EQ(request.at("text"), "Začít úlohu znovu? Rozehraná hra se ztratí.");
    f.game.requests().answer(Answer::kNo);
    EXPECT_FALSE(screenOf(f.game).contains("request"));

    f.game.persistence().saveGame();
    const json dialog = screenOf(f.game).at("request");
    EXPECT_EQ(dialog.at("kind"), "file");
    EXPECT_TRUE(dialog.at("file").at("forSaving"));
    EXPECT_EQ(dialog.at("file").at("filterPattern"), "*.ulo");
}

}  // namespace
}  // namespace krizovky
