// Links and files of the public puzzle editor: the example it publishes, the
// forms a link comes in, each refusal, and round trips over whole task files.
#include "model/puzzle_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/file_layer.h"
#include "model/task_list.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "support/task_text.h"

namespace krizovky {
namespace {

using testing::boardOf;

const std::string kExampleLink = "https://puzz.link/p?kakuro/5/5/48la0.na0lh3l0Bn.0cl.c4a3";
const std::string kExampleFile =
    "pzprv3/kakuro/5/5/0 0 12 4 0 0 /0 8,4 . . 0,10 0,0 /10 . . . . 0,10 /3 . . 3,17 . . /"
    "0 21,0 . . . . /0 0,0 12,0 . . 0,0 /. . . . . /. . . . . /. . . . . /. . . . . /. . . . . /";

// The board as rows of tokens: "x" blank, "A/D" a clue, "_" an entry square;
// the rows and columns up to the last square that is not blank.
std::string tokens(const Board& board) {
    int lastRow = 0, lastCol = 0;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            if (board.at(r, c).kind != kBlank)
                lastRow = std::max(lastRow, r), lastCol = std::max(lastCol, c);
    std::string text;
    for (int r = 1; r <= lastRow; ++r)
        for (int c = 1; c <= lastCol; ++c) {
            const Cell& cell = board.at(r, c);
            if (cell.kind == kClue)
                text += std::to_string(cell.acrossSum) + "/" + std::to_string(cell.downSum);
            else
                text += cell.kind == kEntry ? "_" : cell.kind == kBlank ? "x" : "?";
            text += c < lastCol ? " " : "\n";
        }
    return text;
}

Board imported(const std::string& text) {
    const ImportResult result = importPuzzle(text);
    EXPECT_TRUE(result.puzzle) << text << ": " << result.message;
    return result.puzzle ? result.puzzle->board : Board{};
}

void expectSameBoard(const Board& a, const Board& b, const std::string& what) {
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c) {
            const Cell &x = a.at(r, c), &y = b.at(r, c);
            ASSERT_TRUE(x.kind == y.kind && x.acrossSum == y.acrossSum && x.downSum == y.downSum)
                << what << " at row " << r << " column " << c;
        }
}

TEST(PuzzleLink, TheEditorsExampleReadsAsTheBoardItStandsFor) {
    const ImportResult link = importPuzzle(kExampleLink);
    ASSERT_TRUE(link.puzzle);
    EXPECT_EQ(tokens(link.puzzle->board),
              "x x 0/12 0/4 x x\n"
              "x 8/4 _ _ 0/10 x\n"
              "10/0 _ _ _ _ 0/10\n"
              "3/0 _ _ 3/17 _ _\n"
              "x 21/0 _ _ _ _\n"
              "x x 12/0 _ _ x\n");
    EXPECT_EQ(link.puzzle->name, "odkaz 6x6");
    // The rows are what the task reader reads back into that board.
    Board read;
    ASSERT_TRUE(readTaskText(taskEntryText("t", link.puzzle->rows), "t", read));
    expectSameBoard(read, link.puzzle->board, "rows");
    EXPECT_EQ(link.puzzle->rows.substr(0, link.puzzle->rows.find('\n') + 1),
              "0,0,0/12,0/4,0,0,0,0,0,0,0,0,0,0,0\r\n");

    const ImportResult file = importPuzzle(kExampleFile);
    ASSERT_TRUE(file.puzzle);
    EXPECT_EQ(file.puzzle->name, "soubor 6x6");
    expectSameBoard(file.puzzle->board, link.puzzle->board, "the file form");

    EXPECT_EQ(exportLink(link.puzzle->board).text, kExampleLink);
    std::string lines;  // the file form one part a line
    for (char ch : kExampleFile)
        lines += ch == '/' ? std::string("\r\n") : std::string(1, ch);
    EXPECT_EQ(exportPzprv3(link.puzzle->board).text, lines);
}

TEST(PuzzleLink, EveryFormOfTheLinkGivesTheSameBoard) {
    const Board example = imported(kExampleLink);
    const std::string data = "kakuro/5/5/48la0.na0lh3l0Bn.0cl.c4a3";
    std::string lines = kExampleFile;  // one part a line, LF only
    for (char& ch : lines)
        if (ch == '/') ch = '\n';
    for (const std::string& form : {
             "http://pzv.jp/p.html?" + data,
             "?" + data,
             data,
             "https://puzz.link/p?m+" + data,
             "https://puzz.link/p?m/" + data,
             "puzz.link/p?" + data + "/",
             "  " + kExampleLink + "&utm=x\r\n",
             data.substr(0, 15) + "-" + data.substr(16),  // "-" is no sum, as "0"
             "\xEF\xBB\xBF" + lines,
             lines + "\n",
         })
        expectSameBoard(imported(form), example, form);
}

TEST(PuzzleLink, ALinkInTheWritersFormComesOutAsItWentIn) {
    // Runs of 16 plain squares and more, a run over a row end, every kind of value.
    for (const std::string link : {
             "https://puzz.link/p?kakuro/14/2/zv3456789abcdefgAZ",
             "https://puzz.link/p?kakuro/3/3/.a0m0jk.k950",
             "https://puzz.link/p?kakuro/1/1/k3Z",
         })
        EXPECT_EQ(exportLink(imported(link)).text, link);
}

TEST(PuzzleLink, RefusalsSayWhy) {
    struct Case {
        std::string text;
        ImportRefusal refusal;
        std::string message;
    };
    const std::string damaged = "Odkaz je poškozený: ";
    const std::vector<Case> cases = {
        {"https://puzz.link/p?kakuro/15/5/zzzzz", ImportRefusal::kTooLarge,
         "Křížovka je příliš velká: má 15 × 5 políček uvnitř řádku a sloupce součtů, "
         "hra pojme nejvýš 14 × 14."},
        {"pzprv3\nkakuro\n20\n14\n", ImportRefusal::kTooLarge,
         "Křížovka je příliš velká: má 14 × 20 políček uvnitř řádku a sloupce součtů, "
         "hra pojme nejvýš 14 × 14."},
        {"https://puzz.link/p?sudoku/9/9/", ImportRefusal::kOtherType,
         "Nejde o součtovou křížovku, ale o hádanku typu „sudoku“."},
        {"pzprv3/nurikabe/5/5/", ImportRefusal::kOtherType,
         "Nejde o součtovou křížovku, ale o hádanku typu „nurikabe“."},
        {kExampleLink.substr(0, kExampleLink.size() - 1), ImportRefusal::kDamaged,
         damaged + "data končí předčasně."},
        {"kakuro/2/2/k#", ImportRefusal::kDamaged, damaged + "nečekaný znak na 2. místě dat."},
        {"kakuro/2/2/o", ImportRefusal::kDamaged, damaged + "řada políček přesahuje mřížku."},
        {"kakuro/0/2/k", ImportRefusal::kDamaged, damaged + "chybí rozměry mřížky."},
        {"?kakuro/2", ImportRefusal::kDamaged, damaged + "chybí rozměry mřížky."},
        {"kakuro/2/1/.--", ImportRefusal::kDamaged, damaged + "křížovka je prázdná."},
        {"dnes hraji", ImportRefusal::kDamaged, damaged + "není to odkaz na hádanku."},
        {"pzprv3/kakuro/1/1/0 0 /0 ", ImportRefusal::kDamaged,
         "Soubor pzprv3 je poškozený: na 6. řádku je jiný počet položek než 2."},
        {"pzprv3/kakuro/1/1/0 46 /0 3,", ImportRefusal::kDamaged,
         "Soubor pzprv3 je poškozený: chybná položka 2 na 5. řádku."},
        {"pzprv3/kakuro/1/1/0 0 /", ImportRefusal::kDamaged,
         "Soubor pzprv3 je poškozený: chybí 6. řádek."},
    };
    for (const Case& c : cases) {
        const ImportResult result = importPuzzle(c.text);
        EXPECT_FALSE(result.puzzle) << c.text;
        EXPECT_EQ(result.refusal, c.refusal) << c.text;
        EXPECT_EQ(result.message, c.message) << c.text;
    }
}

TEST(PuzzleLink, ATaskTheEditorCannotHoldIsNotWritten) {
    const std::string link = "Úlohu nelze zapsat jako odkaz: ";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"0,0/3", "2,2"}, "políčko na řádku 2 a sloupci 1 do něj zapsat nejde."},
        {{"0,3/3,0/4", "3/0,2,2"}, "políčko na řádku 1 a sloupci 2 do něj zapsat nejde."},
        {{"0,0/3", "0,0/3", "0,2"}, "políčko na řádku 1 a sloupci 2 do něj zapsat nejde."},
        {{"0,0/46", "9/0,2"}, "součet 46 na řádku 1 a sloupci 2 je větší než 45."},
        {{"0,0/3", "3/0,2,3"}, "políčko na řádku 2 a sloupci 3 je neznámého druhu."},
        {{"0,0/0,0"}, "úloha je prázdná."},
    };
    for (const auto& [rows, why] : cases) {
        const Board board = boardOf(rows);
        EXPECT_EQ(exportLink(board).message, link + why) << rows[0];
        EXPECT_EQ(exportPzprv3(board).message, "Úlohu nelze zapsat jako soubor pzprv3: " + why)
            << rows[0];
    }
}

// Every task of a task file goes out as a link and a file and comes back as
// the same board; the link read back is written as the same link.
void roundTrips(const std::string& path) {
    const std::string text = readTaskFile(path);
    const std::vector<std::string> names = taskNamesOfText(text);
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) {
        Board board;
        readTaskText(text, name, board);
        const ExportResult link = exportLink(board);
        ASSERT_TRUE(link.ok()) << name << ": " << link.message;
        const Board back = imported(link.text);
        expectSameBoard(back, board, name + " by link");
        EXPECT_EQ(exportLink(back).text, link.text) << name;
        expectSameBoard(imported(exportPzprv3(board).text), board, name + " by file");
    }
}

TEST(PuzzleLink, TheShippedTasksGoOutAndComeBack) {
    roundTrips(std::string(KRIZOVKY_SOURCE_DIR) + "/data/krizovky.KRI");
}

TEST(PuzzleLink, ThePublishedPuzzlesGoOutAndComeBack) {
    const std::string path = std::string(KRIZOVKY_SOURCE_DIR) + "/../shared/puzzles/janko.kri";
    if (!fileExists(path)) GTEST_SKIP() << "no published puzzles beside the project";
    roundTrips(path);
}

// The game's board keeps the sums of an earlier task's clue in a square that
// is blank now; the link and the file leave them out.
TEST(PuzzleLink, ABlankSquareGivesNoSumsOfAnEarlierTask) {
    Board board = imported(kExampleLink);
    for (int r = 2; r <= 6; ++r)
        for (int c = 2; c <= 6; ++c)
            if (board.at(r, c).kind == kBlank)
                board.at(r, c).acrossSum = board.at(r, c).downSum = 17;
    EXPECT_EQ(exportLink(board).text, kExampleLink);
    expectSameBoard(imported(exportPzprv3(board).text), imported(kExampleLink), "by file");
}

TEST(PuzzleLink, WrittenFilesCarryTheDigitsOfTheBoard) {
    Board board = boardOf({"0,0/3,0/4", "3/0,2,2", "4/0,2,2"});
    board.at(2, 2).digit = 1;
    board.at(3, 3).digit = 3;
    const std::string text = exportPzprv3(board).text;
    EXPECT_EQ(text.substr(text.size() - 12), "1 . \r\n. 3 \r\n");
}

}  // namespace
}  // namespace krizovky
