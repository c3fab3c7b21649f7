#include "history/saved_game.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "model/file_layer.h"
#include "model/text.h"
#include "support/free_play.h"

namespace krizovky {
namespace {

struct SavedGameTest : testing::FreePlay {
    std::string file = f.dir.file("hra.ulo");
    void save(const std::string& path) {
        f.host.files.push_back(path);
        g.persistence().saveGame();
    }
    void load(const std::string& path) {
        f.host.files.push_back(path);
        g.persistence().loadGame();
    }
};

TEST_F(SavedGameTest, FileHasTheDocumentedLayout) {
    write(2, 3, 5);
    write(3, 2, 7);
    g.moves().setMark();
    save(file);
    const std::string bytes = readFileBytes(file);
    ASSERT_EQ(bytes.size(), kSavedGameSize);
    EXPECT_EQ(bytes.substr(0, 6), std::string("\x0f\x0f\x02\x00\x01\x00", 6));
    EXPECT_EQ(bytes.substr(6, 10), std::string("\x02\x03\x01\x00\x00\x03\x02\x01\x00\x00", 10));
    // The cell of row 2, column 1: a clue 30/0; then (2, 2), an entry square.
    EXPECT_EQ(bytes.substr(2926, 8), std::string("\0\0\0\0\x01\x00\x1e\x00", 8));
    const std::size_t cell32 = 2506 + 28 * (15 * 2 + 1);
    EXPECT_EQ(bytes[cell32 + 5], 7);   // digit
    EXPECT_EQ(bytes[cell32 + 12], 1);  // mark
    EXPECT_EQ(bytes.substr(8808, 4), std::string(4, '\0'));
    // Two saves of the same game are the same bytes.
    save(file + "2");
    EXPECT_EQ(readFileBytes(file + "2"), bytes);
    EXPECT_TRUE(f.host.failures.empty());
}

TEST_F(SavedGameTest, LoadGoesOnWhereTheGameWasSaved) {
    write(2, 2, 1);
    g.moves().setMark();
    write(2, 3, 2);
    write(2, 4, 3);
    g.moves().setMark();
    save(file);
    write(2, 5, 4);
    g.moves().setMark();
    write(3, 2, 5);
    g.moves().setMark();
    write(3, 3, 6);
    ASSERT_TRUE(s.swatch[4]);

    load(file);
    EXPECT_EQ(h.moveCount, 3);
    EXPECT_EQ(h.markCount, 2);
    EXPECT_TRUE(s.swatch[1] && s.swatch[2] && s.undoToMarkButton && s.markButton && s.undoButton);
    EXPECT_FALSE(s.swatch[3] || s.swatch[4]);
    EXPECT_EQ(s.square(2, 2).background, kAqua);
    EXPECT_EQ(s.square(2, 4).background, kLime);
    EXPECT_EQ(g.board().at(3, 3).digit, 0);
    EXPECT_EQ(s.square(2, 3).caption, "2");
    EXPECT_EQ(s.squaresBuild, SquaresBuild::kSavedGame);  // stands 8 pixels left of a task load
    EXPECT_EQ(h.lastPlayerMove, (BoardSquare{2, 4}));
    // Undo takes back the saved Moves, newest first.
    g.moves().undoMove();
    EXPECT_EQ(g.board().at(2, 4).digit, 0);
    EXPECT_EQ(h.markCount, 1);
    g.moves().undoMove();
    EXPECT_EQ(g.board().at(2, 3).digit, 0);
}

TEST_F(SavedGameTest, EmptyHistoryLoadsWithUndoShownAndNoMarkButton) {
    save(file);
    write(2, 2, 1);
    load(file);
    EXPECT_FALSE(s.markButton);
    EXPECT_TRUE(s.undoButton);
    g.moves().undoMove();
    EXPECT_EQ(h.moveCount, 0);
}

TEST_F(SavedGameTest, BadFilesAreRefusedAndTheGameStaysAsItWas) {
    write(2, 2, 1);
    g.moves().setMark();
    write(2, 3, 2);
    save(file);
    const std::string good = readFileBytes(file);
    write(3, 3, 4);
    const std::string before = encodeSavedGame(g.board(), h);
    const auto squaresBefore = s.squares;

    auto patched = [&](std::size_t at, const std::string& bytes) {
        std::string out = good;
        out.replace(at, bytes.size(), bytes);
        return out;
    };
    const std::pair<std::string, const char*> cases[] = {
        {good.substr(0, 8811), "má 8811 bajtů místo 8812"},
        {good + "x", "má 8813 bajtů místo 8812"},
        {patched(0, "\x10"), "počet řádků 16 je větší než 15"},
        {patched(2, std::string("\xf5\x01", 2)), "počet tahů 501 je větší než 500"},
        {patched(4, std::string("\x05\x00", 2)), "počet značek 5 je větší než 4"},
        {patched(6, std::string("\x00", 1)), "tah 1 míří mimo plochu (0, 2)"},
        {patched(6 + 3, "\x0a"), "tah 1 má neplatné údaje"},
        {patched(2506 + 5, "\x0a"), "políčko (1, 1) má číslici 10"},
        {patched(2506 + 28 + 12, "\x05"), "políčko (1, 2) má značku 5"},
        {patched(2506 + 13, "\x10"), "políčko (1, 1) odkazuje na zadání mimo plochu"},
    };
    for (const auto& [bytes, reason] : cases) {
        SCOPED_TRACE(reason);
        f.dir.write("zla.ulo", bytes);
        load(f.dir.file("zla.ulo"));
        EXPECT_EQ(f.host.messages.back(),
                  std::string("Soubor zla.ulo nelze načíst jako uloženou hru: ") + reason + ".");
        EXPECT_EQ(encodeSavedGame(g.board(), h), before);
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c)
                EXPECT_EQ(s.squares[r][c].background, squaresBefore[r][c].background);
    }
    // Slots above the count are leftovers, never judged.
    f.dir.write("zbytky.ulo", patched(6 + 5 * 2, std::string("\xff\xff\xff\xff", 4)));
    load(f.dir.file("zbytky.ulo"));
    EXPECT_EQ(h.moveCount, 2);

    load(f.dir.file("none.ulo"));
    EXPECT_EQ(f.host.failures.back(), "File not found");
}

TEST_F(SavedGameTest, FailedSaveLeavesTheEarlierFileWhole) {
    write(2, 2, 1);
    save(file);
    const std::string earlier = readFileBytes(file);
    write(2, 3, 2);
    // A disk that takes no more than 100 bytes.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    save(file);
    setrlimit(RLIMIT_FSIZE, &old);
    ASSERT_EQ(f.host.failures.size(), 1u);
    EXPECT_EQ(f.host.failures.back(), "File too large");
    EXPECT_EQ(readFileBytes(file), earlier);
    // Nothing is left beside it.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(f.dir.path()))
        ++entries;
    EXPECT_EQ(entries, 3);  // krizovky.DEF, krizovky.KRI, hra.ulo
}

TEST_F(SavedGameTest, ReloadAndQuitAskBeforeMovesAreLost) {
    g.tasks().reloadTask();  // nothing to lose: no question
    EXPECT_TRUE(f.host.questions.empty());
    EXPECT_TRUE(testing::quitAnswered(g));
    write(2, 2, 1);
    g.tasks().reloadTask();  // No: the game stays
    EXPECT_EQ(digit(2, 2), 1);
    f.host.answers = {true};
    g.tasks().reloadTask();
    EXPECT_EQ(digit(2, 2), 0);
    EXPECT_EQ(f.host.questions,
              std::vector<std::string>(2, "Začít úlohu znovu? Rozehraná hra se ztratí."));

    // Quitting: Cancel stays, a cancelled save stays, No quits, Yes saves
    // and quits; after a save or a load nothing is asked until the next Move.
    f.host.questions.clear();
    write(2, 2, 1);
    f.host.choices = {Answer::kCancel, Answer::kYes, Answer::kNo, Answer::kYes};
    EXPECT_FALSE(testing::quitAnswered(g));
    EXPECT_FALSE(testing::quitAnswered(g));
    EXPECT_TRUE(testing::quitAnswered(g));
    f.host.files.push_back(file);
    EXPECT_TRUE(testing::quitAnswered(g));
    EXPECT_EQ(readFileBytes(file).size(), kSavedGameSize);
    EXPECT_EQ(f.host.questions, std::vector<std::string>(4, "Uložit rozehranou hru?"));
    EXPECT_TRUE(testing::quitAnswered(g));
    load(file);
    EXPECT_TRUE(testing::quitAnswered(g));
    g.moves().undoMove();
    EXPECT_TRUE(testing::quitAnswered(g));  // the history holds no Move any more
    EXPECT_EQ(f.host.questions.size(), 4u);
}

// A task load leaves no digit of the previous task behind, and a load shows
// each square by its kind, also from a file whose clue squares carry digits.
TEST(SavedGameOfAnotherTask, ShowsItsClueSquaresWithTheirSums) {
    std::string u = "@u\n0,0,0/3,0/4,0*11\n0,3/0,2,2,0*11\n0,4/0,2,2,0*11\n";
    for (int r = 4; r <= 15; ++r)
        u += "0*15\n";
    krizovky::testing::GameFixture f(
        krizovky::testing::smallTask({"0,0/30,0/30,0/30,0/30", "30/0,2,2,2,2", "30/0,2,2,2,2"}) +
        u);
    Game& g = f.game;
    f.choose("t");
    g.play().toggleChecking();
    g.play().toggleAutoFill();
    g.play().setLevel(Level::k130);
    for (int r = 2; r <= 3; ++r) {
        g.play().openSquareMenu(r, 2);
        g.play().chooseDigit(8);
    }
    f.choose("u");  // (2, 2) and (3, 2) are clue squares now
    g.play().openSquareMenu(2, 3);
    g.play().chooseDigit(2);
    const std::string file = f.dir.file("u.ulo");
    f.host.files.push_back(file);
    g.persistence().saveGame();
    std::string bytes = readFileBytes(file);
    auto digitAt = [](int row, int column) {
        return 2506 + 28 * (15 * (row - 1) + column - 1) + 5;
    };
    EXPECT_EQ(bytes[digitAt(2, 2)], 0);
    EXPECT_EQ(bytes[digitAt(3, 2)], 0);
    // The same file as an earlier version wrote it, with the digits left.
    bytes[digitAt(2, 2)] = 8;
    bytes[digitAt(3, 2)] = 8;
    for (const std::string& saved : {readFileBytes(file), bytes}) {
        g.persistence().loadSavedGame(saved, "u.ulo");
        EXPECT_EQ(g.screen().square(2, 2).caption, clueCaption(g.board().at(2, 2)));
        EXPECT_EQ(g.screen().square(3, 2).caption, clueCaption(g.board().at(3, 2)));
        EXPECT_EQ(g.board().at(2, 2).digit, 0);
        EXPECT_EQ(g.screen().square(2, 3).caption, "2");
    }
}

}  // namespace
}  // namespace krizovky
