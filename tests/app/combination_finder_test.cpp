// "Tabulka kombinací": the combinations by length, sum and digits in and out,
// their order and count, the filter's choices, and the runs of the selected
// square that it preselects, in well-formed and malformed tasks.
#include <gtest/gtest.h>

#include "app/combination_finder.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::boardOf;

DigitSet digits(std::initializer_list<int> list) {
    DigitSet set = 0;
    for (int d : list)
        set |= digitBit(d);
    return set;
}

std::vector<std::string> texts(const std::vector<Combination>& combinations) {
    std::vector<std::string> shown;
    for (const Combination& c : combinations)
        shown.push_back(std::to_string(c.digitCount) + " " + std::to_string(c.sum) + " " +
                        c.digitText);
    return shown;
}

TEST(FindCombinations, EveryCombinationOnceByLengthSumAndDigits) {
    const auto all = findCombinations({});
    ASSERT_EQ(all.size(), 511u);
    std::vector<int> perLength(10);
    for (std::size_t i = 0; i < all.size(); ++i) {
        ++perLength[all[i].digitCount];
        if (i == 0) continue;
        const Combination &a = all[i - 1], &b = all[i];
        EXPECT_LT(std::tie(a.digitCount, a.sum, a.digitText),
                  std::tie(b.digitCount, b.sum, b.digitText));
    }
    EXPECT_EQ(perLength, (std::vector<int>{0, 9, 36, 84, 126, 126, 84, 36, 9, 1}));
    EXPECT_EQ(texts(findCombinations({2, 10, 0, 0})),
              (std::vector<std::string>{"2 10 19", "2 10 28", "2 10 37", "2 10 46"}));
    EXPECT_EQ(texts(findCombinations({9, 45, 0, 0})), std::vector<std::string>{"9 45 123456789"});
    EXPECT_TRUE(findCombinations({2, 18, 0, 0}).empty());
}

TEST(FindCombinations, DigitsInAndOutNarrowEveryLengthAndSum) {
    // Sum 7 of any length: 7, 16 25 34, 124; without 1, and with 1 and 2.
    EXPECT_EQ(texts(findCombinations({0, 7, 0, digits({1})})),
              (std::vector<std::string>{"1 7 7", "2 7 25", "2 7 34"}));
    EXPECT_EQ(texts(findCombinations({0, 7, digits({1, 2}), 0})),
              std::vector<std::string>{"3 7 124"});
    // Length 8 of any sum: the nine digits but one, here 5 or 6.
    EXPECT_EQ(texts(findCombinations({8, 0, digits({1, 2, 3, 4, 7, 8, 9}), digits({5})})),
              std::vector<std::string>{"8 40 12346789"});
    EXPECT_TRUE(findCombinations({0, 0, digits({3}), digits({3})}).empty());
}

TEST(FindCombinations, SumRangesAndCountTexts) {
    EXPECT_EQ(sumRange(0), (SumRange{1, 45}));
    EXPECT_EQ(sumRange(1), (SumRange{1, 9}));
    EXPECT_EQ(sumRange(2), (SumRange{3, 17}));
    EXPECT_EQ(sumRange(5), (SumRange{15, 35}));
    EXPECT_EQ(sumRange(9), (SumRange{45, 45}));
    EXPECT_EQ(combinationCountText(0), "0 kombinací");
    EXPECT_EQ(combinationCountText(1), "1 kombinace");
    EXPECT_EQ(combinationCountText(4), "4 kombinace");
    EXPECT_EQ(combinationCountText(5), "5 kombinací");
    EXPECT_EQ(combinationCountText(511), "511 kombinací");
}

struct FinderTest : ::testing::Test {
    // The example: 8 and 11 across, 16 and 3 down, each run two squares.
    Board board = boardOf({"0,0/16,0/3", "8/0,2,2", "11/0,2,2"});
    MainScreen screen;
    CombinationFinder finder{board, screen};

    void select(int row, int column) {
        screen.selectedRow = row;
        screen.selectedColumn = column;
    }
};

TEST_F(FinderTest, ADigitIsEitherRequiredOrExcludedNeverBoth) {
    finder.toggleRequired(3);
    finder.toggleRequired(5);
    finder.toggleExcluded(3);
    EXPECT_EQ(finder.filter().required, digits({5}));
    EXPECT_EQ(finder.filter().excluded, digits({3}));
    finder.toggleRequired(3);
    EXPECT_EQ(finder.filter().required, digits({3, 5}));
    EXPECT_EQ(finder.filter().excluded, 0);
    finder.toggleRequired(5);  // out again
    finder.toggleExcluded(0);
    finder.toggleRequired(10);
    EXPECT_EQ(finder.filter().required, digits({3}));
    EXPECT_EQ(finder.filter().excluded, 0);
}

TEST_F(FinderTest, TheSumStaysOnlyWhereTheLengthCanHaveIt) {
    finder.chooseSum(40);
    EXPECT_EQ(finder.filter().sum, 40);
    finder.chooseLength(2);  // 3..17
    EXPECT_EQ(finder.filter().sum, 0);
    finder.chooseSum(18);
    finder.chooseSum(2);
    EXPECT_EQ(finder.filter().sum, 0);
    finder.chooseSum(17);
    finder.chooseLength(3);  // 6..24
    EXPECT_EQ(finder.filter(), (CombinationFilter{3, 17, 0, 0}));
    finder.chooseLength(10);
    finder.chooseLength(-1);
    EXPECT_EQ(finder.filter().length, 3);
    EXPECT_EQ(finder.screen().sums, (SumRange{6, 24}));
}

TEST_F(FinderTest, OpeningTakesTheSelectedSquaresAcrossRunAndForgetsTheDigits) {
    finder.toggleExcluded(9);
    select(2, 3);
    finder.open();
    EXPECT_EQ(finder.filter(), (CombinationFilter{2, 8, 0, 0}));
    finder.toggleRequired(2);
    finder.chooseRun(Direction::kDown);
    EXPECT_EQ(finder.filter(), (CombinationFilter{2, 3, digits({2}), 0}));
    const CombinationsScreen shown = finder.screen();
    EXPECT_EQ(texts(shown.combinations), std::vector<std::string>{"2 3 12"});
    EXPECT_EQ(shown.countText, "1 kombinace");
    EXPECT_EQ(shown.acrossCaption, "vodorovně: 2 políčka, součet 8");
    EXPECT_EQ(shown.downCaption, "svisle: 2 políčka, součet 3");
    EXPECT_EQ(shown.acrossRun, (SelectedRun{2, 8}));

    select(1, 2);  // a clue: no runs, and the filter stays
    finder.chooseRun(Direction::kAcross);
    EXPECT_EQ(finder.filter().sum, 3);
    EXPECT_EQ(finder.screen().acrossCaption, "vodorovně: žádná řada");
    EXPECT_FALSE(finder.screen().downRun);
    finder.open();
    EXPECT_EQ(finder.filter(), CombinationFilter{});
}

TEST(FinderOfMalformedTasks, ARunIsTheSquaresOwnOrNone) {
    // (2, 2) has no clue on its left, only the 3 above; (3, 4) lies past the
    // end of the run of the 5, which holds (3, 2) alone.
    const Board board = boardOf({"0,0/3,0,0/4", "0,2,0,2", "5/0,2,0,2"});
    MainScreen screen;
    CombinationFinder finder{board, screen};
    screen.selectedRow = 2;
    screen.selectedColumn = 2;
    finder.open();
    EXPECT_EQ(finder.filter(), (CombinationFilter{2, 3, 0, 0}));
    EXPECT_EQ(finder.screen().acrossCaption, "vodorovně: žádná řada");
    screen.selectedRow = 3;
    EXPECT_EQ(finder.screen().acrossCaption, "vodorovně: 1 políčko, součet 5");
    screen.selectedColumn = 4;
    EXPECT_FALSE(finder.selectedRun(Direction::kAcross));
    EXPECT_EQ(finder.selectedRun(Direction::kDown), (SelectedRun{2, 4}));
}

TEST(FinderOfTheGame, TheSquareThePlayerSelectedIsPreselected) {
    testing::GameFixture f;
    f.choose("priklad");
    f.game.play().selectSquare(3, 2);
    CombinationFinder& finder = f.game.help().combinationFinder();
    finder.open();
    EXPECT_EQ(finder.filter(), (CombinationFilter{2, 11, 0, 0}));
    EXPECT_EQ(finder.screen().downRun, (SelectedRun{2, 16}));
}

}  // namespace
}  // namespace krizovky
