// The boxes, questions and file dialogs of the game as requests that wait for
// the front-end: the operation that asked stops until the answer comes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/requests.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using V = std::vector<std::string>;

TEST(Requests, ComeOneAtATimeInTheOrderMadeAndTakeEveryAnswer) {
    struct Quiet : Host {
        int posted = 0;
        void requestPosted(Requests&) override { ++posted; }
        void repaintSquare(int, int) override {}
        void repaintGauge() override {}
    } host;
    Requests requests(host);
    std::vector<std::string> heard;
    requests.message("první");
    requests.askYesNo("ano?", [&](bool yes) {
        heard.push_back(yes ? "ano" : "ne");
        // What the answer runs may ask again: it waits behind the rest.
        requests.message("po odpovědi");
    });
    requests.chooseFile(FileDialog{}, [&](const std::optional<std::string>& path) {
        heard.push_back(path.value_or("zrušeno"));
    });
    requests.askYesNoCancel("uložit?", [&](Answer answer) {
        heard.push_back(answer == Answer::kCancel ? "storno" : "jiné");
    });
    EXPECT_EQ(host.posted, 4);
    EXPECT_TRUE(requests.awaitingAnswer());

    ASSERT_NE(requests.pending(), nullptr);
    EXPECT_EQ(requests.pending()->kind, RequestKind::kMessage);
    EXPECT_FALSE(requests.pending()->awaitsAnswer());
    requests.answerFile("x.ulo");  // a box with OK takes any answer as its OK
    EXPECT_EQ(requests.pending()->text, "ano?");
    requests.dismiss();  // closing a Yes/No box is No
    EXPECT_EQ(requests.pending()->kind, RequestKind::kFile);
    requests.answer(Answer::kYes);  // a file dialog answered so is cancelled
    requests.dismiss();             // Yes/No/Cancel closed: Cancel
    EXPECT_EQ(heard, (V{"ne", "zrušeno", "storno"}));
    ASSERT_NE(requests.pending(), nullptr);
    EXPECT_EQ(requests.pending()->text, "po odpovědi");
    EXPECT_FALSE(requests.awaitingAnswer());
    requests.dismiss();
    EXPECT_EQ(requests.pending(), nullptr);
    requests.answer(Answer::kYes);  // nothing waits: nothing happens
}

// A window answers after the call has returned: until then the game is as
// the question found it.
TEST(Requests, AnOperationWaitsForItsAnswer) {
    testing::GameFixture f;
    f.host.answersAtOnce = false;
    f.choose("priklad");
    f.host.answerRequests(f.game.requests());
    ASSERT_TRUE(f.game.play().enterDigit(2, 2, 7, true, true));

    f.game.tasks().reloadTask();
    ASSERT_NE(f.game.requests().pending(), nullptr);
    EXPECT_EQ(f.game.requests().pending()->text, "Začít úlohu znovu? Rozehraná hra se ztratí.");
    EXPECT_EQ(f.game.board().at(2, 2).digit, 7);
    EXPECT_EQ(f.game.history().moveCount, 1);
    f.game.requests().answer(Answer::kYes);
    EXPECT_EQ(f.game.board().at(2, 2).digit, 0);
    EXPECT_EQ(f.game.requests().pending(), nullptr);

    // "&Ulož": the file dialog first; the file is written with the answer.
    const std::string path = f.dir.file("hra.ulo");
    f.game.play().enterDigit(2, 2, 7, true, true);
    f.game.persistence().saveGame();
    ASSERT_NE(f.game.requests().pending(), nullptr);
    EXPECT_EQ(f.game.requests().pending()->kind, RequestKind::kFile);
    EXPECT_FALSE(std::filesystem::exists(path));
    f.game.requests().answerFile(path);
    EXPECT_TRUE(std::filesystem::exists(path));

    // "&Konec" without the player's files: the answer decides.
    f.game.play().enterDigit(2, 3, 1, true, true);
    f.game.persistence().confirmQuit();
    EXPECT_FALSE(f.game.persistence().quitConfirmed());
    f.game.requests().answer(Answer::kNo);
    EXPECT_TRUE(f.game.persistence().quitConfirmed());
}

}  // namespace
}  // namespace krizovky
