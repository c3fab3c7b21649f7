// "&Pomoc": the next step of the logical solver on boards of several rungs of
// the ladder and its panel, the comparison of the board with the task's one
// solution, the colours of both and what takes them off, and the cases where
// the task gives nothing to compare with.
#include <gtest/gtest.h>

#include <map>

#include "model/text.h"
#include "support/game_fixture.h"
#include "support/solver_slices.h"

namespace krizovky {
namespace {

using testing::GameFixture;
using testing::smallTask;

std::string task(const std::string& name, const std::vector<std::string>& rows) {
    return "@" + name + smallTask(rows).substr(2);
}

// Each with one solution: "priklad" 7 1 over 9 2; "prusecik" 4 1 over 9 5;
// "tri" the example three times side by side; "krizeni" a block whose first
// digits come easily and then only by an assumption; "skupina" one where a
// digit has only one place after a few steps.
const std::string kTasks =
    std::string(testing::kExampleTask) + task("prusecik", {"0,0/13,0/6", "5/0,2,2", "14/0,2,2"}) +
    task("tri", {"0,0/16,0/3,0,0/16,0/3,0,0/16,0/3", "8/0,2,2,8/0,2,2,8/0,2,2",
                 "11/0,2,2,11/0,2,2,11/0,2,2"}) +
    task("krizeni", {"0,0/15,0/3,0,0/21", "10/0,2,2,1/15,2", "12/0,2,2,2,2", "4/0,2,14/5,2,2",
                     "0,18/0,2,2,2"}) +
    task("skupina", {"0,0,0/21,0,0/16", "0,5/15,2,4/9,2", "30/0,2,2,2,2", "22/0,2,2,2,2"}) +
    // Without one solution: every 2 x 2 block of tens; across 4 where the
    // down sums of 3 allow only 1 and 2; a square with no clue above it.
    task("vice", {"0,0/10,0/10", "10/0,2,2", "10/0,2,2"}) +
    task("zadne", {"0,0/3,0/3", "4/0,2,2", "3/0,2,2"}) + task("chybna", {"0,0/4", "4/0,2,2"});

struct HelpTest : ::testing::Test {
    GameFixture f{kTasks};
    Game& g = f.game;
    const MainScreen& s = g.screen();

    // The player writes any digit ("130") without the completion, so the
    // board holds only what the test writes.
    void start(const std::string& name) {
        g.play().setLevel(Level::k130);
        if (g.play().autoFillOn()) g.play().toggleAutoFill();
        f.choose(name);
    }
    void write(int row, int column, int digit) {
        g.play().openSquareMenu(row, column);
        g.play().chooseDigit(digit);
    }
    // The letter of every entry square's colour of rows 2.. and columns 2..
    // of the area: Y yellow, R red, S sky blue, B blue, P pink.
    std::string colours(int rows, int columns) const {
        const std::map<Colour, char> letters{
            {kYellow, 'Y'}, {kRed, 'R'}, {kSkyBlue, 'S'}, {kBlue, 'B'}, {kPink, 'P'}};
        std::string text;
        for (int r = 2; r <= rows; ++r) {
            if (r > 2) text += '/';
            for (int c = 2; c <= columns; ++c) {
                if (!g.board().isEntry(r, c)) {
                    text += '.';
                    continue;
                }
                const auto found = letters.find(s.square(r, c).background.value_or(-2));
                text += found == letters.end() ? '?' : found->second;
            }
        }
        return text;
    }
    std::string lastMessage() const {
        return f.host.messages.empty() ? "" : f.host.messages.back();
    }
    // The whole explanation of the step in the panel, "" without one.
    std::string stepText() const { return s.step.shown ? s.step.explanation : ""; }
    // The moves, the Marks and the digits, to show that help changes none.
    std::string gameState() const {
        std::string state = std::to_string(g.history().moveCount) + " " +
                            std::to_string(g.history().markCount) + " " +
                            std::to_string(g.history().lastPlayerMove.row) + ":";
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c)
                state += char('0' + g.board().at(r, c).digit);
        return state;
    }
};

TEST_F(HelpTest, OneDeductionIsNamedExplainedAndItsSquarePainted) {
    start("prusecik");
    const std::string before = gameState();
    g.help().showNextStep();
    EXPECT_TRUE(f.host.messages.empty());  // no box over the board
    EXPECT_EQ(s.step.headline, "Políčko (2, 2): průsečík řad");
    EXPECT_FALSE(s.step.explained);
    const std::string text = stepText();
    EXPECT_EQ(text.rfind("Úvaha \"průsečík řad\": Vodorovná řada se součtem 5", 0), 0u) << text;
    EXPECT_NE(text.find("Proto do políčka (2, 2) patří 4."), std::string::npos) << text;
    // The square decided; the intersection used no other square.
    EXPECT_EQ(colours(3, 3), "BY/YY");
    EXPECT_EQ(gameState(), before);
    EXPECT_EQ(g.options().level, Level::k130);
    EXPECT_TRUE(g.play().checkingOn());
    EXPECT_FALSE(g.play().autoFillOn());
}

TEST_F(HelpTest, TheStepsPanelExplainsOnAskingAndGoesWithItsColours) {
    start("priklad");
    g.help().showNextStep();
    EXPECT_EQ(s.step.headline, "Políčko (2, 2): průsečík řad");
    g.help().explainStep();
    EXPECT_TRUE(s.step.explained);
    // Asked again, the step comes anew, its explanation not yet asked for.
    g.help().showNextStep();
    EXPECT_TRUE(s.step.shown);
    EXPECT_FALSE(s.step.explained);
    EXPECT_EQ(colours(3, 3), "BS/SS");

    // Its own close takes the colours off with it.
    g.help().closeStep();
    EXPECT_FALSE(s.step.shown);
    EXPECT_EQ(colours(3, 3), "YY/YY");
    EXPECT_FALSE(g.history().colouringShown);

    // A load of the task goes over it, as over the colours.
    g.help().showNextStep();
    f.choose("prusecik");
    EXPECT_FALSE(s.step.shown);
    g.help().showNextStep();
    EXPECT_TRUE(f.host.messages.empty());
    // " proveď kontroly" shows its own colours alone.
    g.play().toggleChecking();
    g.play().checkWholeBoard();
    EXPECT_FALSE(s.step.shown);
}

TEST_F(HelpTest, SeveralDeductionsAreExplainedInOrderAndTheNextClickTakesTheColoursOff) {
    start("priklad");
    g.help().showNextStep();
    const std::string text = stepText();
    // Both down runs have one combination; then (2, 2) is where they cross.
    EXPECT_EQ(text.rfind("Další cifra vyjde po 3 úvahách.\r\n\r\n1. úvaha \"jediná kombinace\": "
                         "Součet 16 ve dvou políčkách má jedinou kombinaci 7 + 9",
                         0),
              0u)
        << text;
    const auto second = text.find("\r\n\r\n2. úvaha \"jediná kombinace\": Součet 3");
    const auto third = text.find("\r\n\r\n3. úvaha \"průsečík řad\"");
    EXPECT_NE(second, std::string::npos);
    EXPECT_GT(third, second);
    const std::string end = "Proto do políčka (2, 2) patří 7.";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
    EXPECT_EQ(colours(3, 3), "BS/SS");

    g.play().selectSquare(3, 3);
    EXPECT_EQ(colours(3, 3), "YY/YR");
    EXPECT_FALSE(g.history().colouringShown);
    EXPECT_FALSE(s.step.shown);
}

TEST_F(HelpTest, ALongWayToTheNextDigitSumsUpItsEarlierSteps) {
    // Six down runs of one combination each before the first crossing.
    start("tri");
    g.help().showNextStep();
    EXPECT_EQ(stepText(),
              "Další cifra vyjde po 7 úvahách. Úvahy 1 až 6 jen ubírají možné cifry a "
              "kombinace: \"jediná kombinace\" 6×. Políčka všech úvah jsou obarvená.\r\n\r\n"
              "7. úvaha \"průsečík řad\": Vodorovná řada se součtem 8 (políčka (2, 2) až (2, 3)) "
              "dovoluje v políčku (2, 2) cifry 1, 2, 3, 5, 6 a 7, svislá řada se součtem 16 "
              "(políčka (2, 2) až (3, 2)) cifry 7 a 9. Proto do políčka (2, 2) patří 7.");
    EXPECT_EQ(colours(3, 9), "BS.SS.SS/SS.SS.SS");
}

TEST_F(HelpTest, HintsGoOnFromThePlayersDigitsUpTheLadder) {
    // With 7 written, row 2 has 1 + 7 left: one step, and the written square
    // is part of the reasoning.
    start("priklad");
    write(2, 2, 7);
    g.help().showNextStep();
    EXPECT_EQ(stepText().rfind("Úvaha \"jediná kombinace\"", 0), 0u) << stepText();
    EXPECT_NE(stepText().find("Proto do políčka (2, 3) patří 1."), std::string::npos);
    EXPECT_EQ(s.step.headline, "Políčko (2, 3): jediná kombinace");
    EXPECT_EQ(colours(3, 3), "SB/YY");

    // After its first two digits only one square can take a needed digit.
    start("skupina");
    write(2, 3, 5);
    write(2, 5, 4);
    write(4, 4, 1);
    write(3, 4, 8);
    g.help().showNextStep();
    std::string text = stepText();
    const std::string last = text.substr(text.rfind("\r\n\r\n") + 4);
    EXPECT_NE(last.find(". úvaha \"jediné místo\": "), std::string::npos) << text;
    EXPECT_NE(last.find("Proto do políčka (3, 2) patří 6."), std::string::npos) << text;
    EXPECT_EQ(s.square(3, 2).background, kBlue);

    // Three easy digits, then only an assumption in (2, 2) decides it.
    start("krizeni");
    write(2, 5, 1);
    write(4, 2, 4);
    write(5, 3, 5);
    g.help().showNextStep();
    text = stepText();
    EXPECT_NE(text.find("\"křížení řad\": "), std::string::npos) << text;
    EXPECT_EQ(text.find("\"křížení řad\""), text.rfind("\"křížení řad\""));  // only the last step
    EXPECT_NE(text.find("Zkusme do políčka (2, 2) dát 9."), std::string::npos) << text;
    EXPECT_NE(text.find("Zbývá tam jen 8."), std::string::npos) << text;
    EXPECT_EQ(s.square(2, 2).background, kBlue);
    EXPECT_EQ(s.square(3, 2).background, kSkyBlue);  // where the assumption led to nothing
}

TEST_F(HelpTest, AWrongDigitIsReportedWithoutItsPlaceAndNothingIsDeduced) {
    start("priklad");
    g.play().toggleChecking();  // the entry check would refuse 9 in a row of 8
    write(2, 2, 9);
    g.help().showNextStep();
    EXPECT_EQ(lastMessage(),
              "Na desce je chyba: některá vepsaná cifra do řešení nepatří. Další krok vám "
              "poradím, až ji najdete a opravíte.");
    EXPECT_EQ(colours(3, 3), "RY/YY");
    EXPECT_FALSE(g.history().colouringShown);
    EXPECT_FALSE(s.step.shown);
}

TEST_F(HelpTest, ACompleteBoardHasNoNextStep) {
    start("priklad");
    g.play().toggleAutoFill();  // the completion fills the rest from the 7
    write(2, 2, 7);
    ASSERT_EQ(lastMessage(), "Celou křížovku jste úspěšně vyřešil, gratuluji!");
    g.help().showNextStep();
    EXPECT_EQ(lastMessage(), "Křížovka je celá správně vyplněná, další krok už není.");
    g.help().verifyBoard();
    EXPECT_EQ(lastMessage(), "Celá křížovka je vyplněná správně.");
}

TEST_F(HelpTest, TasksWithoutOneSolutionGetNoJudgement) {
    const std::pair<const char*, const char*> cases[] = {
        {"vice", "Tato úloha má víc než jedno řešení."},
        {"zadne", "Tato úloha nemá žádné řešení."},
        {"chybna",
         "Tato úloha není správně zadaná: některá řada nemá součet, nebo se její "
         "součet nedá složit z různých cifer."}};
    for (const auto& [name, why] : cases) {
        SCOPED_TRACE(name);
        start(name);
        f.host.messages.clear();
        g.help().showNextStep();
        g.help().verifyBoard();
        g.help().showErrors();
        ASSERT_EQ(f.host.messages.size(), 3u);
        // "&Další krok" says what the name area says.
        EXPECT_EQ(f.host.messages[0], "Další krok vám neporadím: " + s.taskProblem + ".");
        for (const std::string& message : {f.host.messages[1], f.host.messages[2]})
            EXPECT_EQ(message.rfind(why, 0), 0u) << message;
        EXPECT_NE(lastMessage().find("Nemohu proto říct, která cifra je chybná."),
                  std::string::npos);
        EXPECT_FALSE(g.history().colouringShown);
    }
}

TEST_F(HelpTest, VerifyCountsTheWrongSquaresInCzech) {
    start("tri");
    g.play().toggleChecking();
    g.help().verifyBoard();
    EXPECT_EQ(lastMessage(), "Zatím jste nevepsal žádnou cifru.");
    write(2, 2, 7);
    write(3, 6, 2);
    g.help().verifyBoard();
    EXPECT_EQ(lastMessage(), "Všechno, co jste zatím vepsal, je správně.");

    // Wrong digits one after another in squares of the three blocks.
    const std::pair<int, int> wrong[] = {{2, 3}, {3, 2}, {3, 3}, {2, 5}, {2, 9}};
    const char* expected[] = {"má 1 políčko", "mají 2 políčka", "mají 3 políčka", "mají 4 políčka",
                              "má 5 políček"};
    for (int k = 0; k < 5; ++k) {
        write(wrong[k].first, wrong[k].second, 5);
        g.help().verifyBoard();
        EXPECT_EQ(lastMessage(), std::string("Chybnou cifru ") + expected[k] +
                                     ". Kde jsou chyby, ukáže \"Ukaž chyby\".");
    }
    EXPECT_FALSE(g.history().colouringShown);
}

TEST_F(HelpTest, ShowErrorsPaintsExactlyTheWrongSquaresUntilTheNextClick) {
    start("priklad");
    g.play().toggleChecking();
    g.help().showErrors();
    EXPECT_EQ(lastMessage(), "Žádná vepsaná cifra není chybná.");
    EXPECT_FALSE(g.history().colouringShown);

    write(2, 2, 7);  // right
    write(3, 2, 8);  // wrong
    write(3, 3, 1);  // wrong
    const std::size_t boxes = f.host.messages.size();
    const std::string before = gameState();
    g.help().showErrors();
    EXPECT_EQ(f.host.messages.size(), boxes);
    EXPECT_EQ(colours(3, 3), "YY/PP");
    EXPECT_EQ(gameState(), before);

    // A hint now paints nothing over them: it only says there is an error.
    g.help().showNextStep();
    EXPECT_EQ(colours(3, 3), "YY/PP");
    // " proveď kontroly" shows its own colours alone.
    g.play().checkWholeBoard();
    EXPECT_EQ(s.square(3, 2).background, kGray);
    g.help().showErrors();
    EXPECT_EQ(colours(3, 3), "YY/PP");
    EXPECT_FALSE(s.wrongSumLegend);

    g.play().selectSquare(2, 3);
    EXPECT_EQ(colours(3, 3), "YR/YY");
}

TEST_F(HelpTest, TheSolutionIsTakenAnewForEveryBoardBuilt) {
    start("priklad");
    g.help().verifyBoard();
    // Another task: its own verdict, not the one kept for the example.
    f.choose("vice");
    g.help().verifyBoard();
    EXPECT_EQ(lastMessage().rfind("Tato úloha má víc než jedno řešení.", 0), 0u);

    // A saved game of the example loaded over it: judged as the example.
    f.choose("priklad");
    g.play().toggleChecking();
    write(2, 3, 2);
    f.host.files.push_back(f.dir.file("hra.ulo"));
    g.persistence().saveGame();
    f.choose("vice");
    g.help().verifyBoard();
    f.host.files.push_back(f.dir.file("hra.ulo"));
    g.persistence().loadGame();
    g.help().verifyBoard();
    EXPECT_EQ(lastMessage(), "Chybnou cifru má 1 políčko. Kde jsou chyby, ukáže \"Ukaž chyby\".");
}

TEST_F(HelpTest, NothingHappensWhileTheSolverSearchesOrBeforeABoard) {
    g.help().showNextStep();
    g.help().verifyBoard();
    g.help().showErrors();
    EXPECT_TRUE(f.host.messages.empty());

    start("krizeni");
    // One placement a slice: the help comes after the first.
    g.solver().setSolverSpeed(SolverSpeed::kStep);
    int asked = 0;
    f.host.confirmations.push_back(true);
    g.solver().askToSolve();
    testing::finishSolve(g, [&] {
        if (asked++ > 0) return;
        g.help().showNextStep();
        g.help().verifyBoard();
        g.help().showErrors();
    });
    EXPECT_GT(asked, 0);
    EXPECT_TRUE(f.host.messages.empty());
    EXPECT_FALSE(g.history().colouringShown);
    EXPECT_FALSE(s.step.shown);
}

}  // namespace
}  // namespace krizovky
