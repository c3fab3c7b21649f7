// Checks the rules text that ships beside the program: its encoding and line
// ends, its sections, and that its task file examples read as it says.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/board.h"
#include "model/file_layer.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace krizovky {
namespace {

const std::string kRules = readFileBytes(std::string(KRIZOVKY_BINARY_DIR) + "/krizovky.PRA");
const std::vector<std::string> kLines = splitLines(kRules);

// The first line from `from` on that begins with the UTF-8 text after its
// indentation, or -1.
int lineOf(const std::string& utf8, int from = 0) {
    const std::string text = cp1250FromUtf8(utf8);
    for (int i = from; i < static_cast<int>(kLines.size()); ++i) {
        const std::size_t start = kLines[i].find_first_not_of(' ');
        if (start != std::string::npos && kLines[i].compare(start, text.size(), text) == 0)
            return i;
    }
    return -1;
}

// The kinds of row 1 after reading one row line.
std::vector<int> rowKinds(const std::string& line) {
    Board board;
    board.rowCount = board.colCount = kBoardSize;
    parseRowLine(line, 1, board);
    std::vector<int> kinds;
    for (int c = 1; c <= kBoardSize; ++c)
        kinds.push_back(board.at(1, c).kind);
    return kinds;
}

TEST(ShippedRules, IsWindows1250WithCrLfAndTheSectionsInOrder) {
    // Every CR and every LF belongs to a CR LF line end.
    std::size_t crLf = 0;
    for (std::size_t i = 1; i < kRules.size(); ++i)
        if (kRules[i - 1] == '\r' && kRules[i] == '\n') ++crLf;
    EXPECT_EQ(std::count(kRules.begin(), kRules.end(), '\r'), crLf);
    EXPECT_EQ(std::count(kRules.begin(), kRules.end(), '\n'), crLf);
    EXPECT_EQ(crLf, kLines.size());
    EXPECT_EQ(utf8FromCp1250(kRules).find("\xEF\xBF\xBD"), std::string::npos);
    EXPECT_NE(utf8FromCp1250(kRules).find("Součtová křížovka"), std::string::npos);

    EXPECT_EQ(kLines.size(), 178u);
    EXPECT_EQ(kLines.at(0), "Pravidla: ");
    int at = 0;
    for (const char* heading :
         {"Jak se vpisuje cifra:", "Hra klávesnicí:", "Poznámky:", "Ovládání:", "Menu:", "Pomoc",
          "Tlačítka:", "Značky:", "Definice a editace úloh", "Editace.", "Formulář."}) {
        const int found = lineOf(heading, at);
        EXPECT_GT(found, at) << heading;
        at = std::max(at, found);
    }
}

TEST(ShippedRules, NamesTheCaptionsAsTheWindowsShowThem) {
    const std::string text = utf8FromCp1250(kRules);
    for (const char* caption : {"Výběr úlohy",
                                "Znovu",
                                "Soubor úloh",
                                "Doplňovat",
                                "Kontrolovat",
                                "Další krok (F1)",
                                "Je to zatím správně?",
                                "Ukaž chyby",
                                "\"zpět o 1 tah\"",
                                "\"nastav značku\"",
                                "\"zpět ke značce\"",
                                "\" proveď kontroly\"",
                                "\"přeruš\"",
                                "\"znovu o 1 tah\"",
                                "\"poznámky\"",
                                "\"poznámka\"",
                                "Znovu (Ctrl+R nebo F5)",
                                "Zpět o tah (Ctrl+Z)",
                                "Vpřed o tah (Ctrl+Y nebo Ctrl+Shift+Z)",
                                "Mazat poznámky",
                                "Vyplň poznámky",
                                "\"vymaž formulář\"",
                                "\" generuj strukturu\"",
                                "\" generuj vše\"",
                                "\"dokonči úlohu\"",
                                "\"načti úlohu\"",
                                "\"ulož úlohu\"",
                                "\"zpět\"",
                                "\" vybráno\"",
                                "\"zruš\"",
                                "\" jsem trouba\"",
                                "\"byl to omyl\""})
        EXPECT_NE(text.find(caption), std::string::npos) << caption;
}

TEST(ShippedRules, TheExamplesReadAsTheTextSays) {
    // The example task: its four lines, then the eleven blank rows it speaks of.
    const int name = lineOf("@priklad");
    ASSERT_GT(name, 0);
    std::vector<std::string> task;
    for (int i = name; i < name + 5; ++i)
        task.push_back(kLines[i].substr(kLines[i].find_first_not_of(' ')));
    task.insert(task.end(), 11, "0*15");
    Board board;
    ASSERT_TRUE(readTaskLines(task, "priklad", board));
    EXPECT_EQ(board.at(1, 2).downSum, 16);
    EXPECT_EQ(board.at(1, 3).downSum, 3);
    EXPECT_EQ(board.at(2, 1).acrossSum, 8);
    EXPECT_EQ(board.at(3, 1).acrossSum, 11);
    EXPECT_EQ(board.at(3, 3).kind, kEntry);
    EXPECT_EQ(board.at(15, 15).kind, 0);

    // The same first row without the repeat token.
    const int plain = lineOf("Tentýž první řádek");
    ASSERT_GT(plain, 0);
    EXPECT_EQ(rowKinds(kLines[plain].substr(kLines[plain].rfind(' ') + 1)),
              rowKinds("0,0/16,0/3,0*12"));
    // The row described square by square.
    ASSERT_GT(lineOf("Příklad řádku: 0,7/0,2*3,0/12,0*9 "), 0);
    EXPECT_EQ(rowKinds("0,7/0,2*3,0/12,0*9"),
              (std::vector<int>{0, 1, 2, 2, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace krizovky
