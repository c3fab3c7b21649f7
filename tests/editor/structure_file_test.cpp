#include "editor/structure_file.h"

#include <gtest/gtest.h>

#include "editor/random.h"
#include "model/errors.h"
#include "model/file_storage.h"
#include "model/text.h"
#include "support/editor_grid_text.h"
#include "support/temp_dir.h"

namespace krizovky {
namespace {

using testing::rowOf;

TEST(parseStructureRow, SetsCellsByTheFirstCharacterOfEachToken) {
    EditorGrid grid;
    grid.fill(" ");
    int row = 0;
    parseStructureRow(grid, row, "x,/,/,x,/12,xyz,2,,X,a");
    EXPECT_EQ(row, 1);
    EXPECT_EQ(rowOf(grid, 1, 11), "x,/,/,x,/,x, , ,x, , ");
    parseStructureRow(grid, row, "x,x,x,x,x,x,x,x,x,x,x,x,x,x,x,x,/,/");  // past column 15
    EXPECT_EQ(rowOf(grid, 2), "x,x,x,x,x,x,x,x,x,x,x,x,x,x,x");
    row = 15;
    parseStructureRow(grid, row, "/");  // row 16 is ignored
    EXPECT_EQ(row, 16);
}

TEST(DrawStructure, DrawsTheFirstOfTheNamesAndFillsTheRestOpen) {
    std::vector<std::string> lines = {"x,x", "@12345678901234567890a", "/,x"};
    for (int i = 0; i < 9; ++i)
        lines.push_back("x,/,x,/,x,/,x,/");
    lines.push_back("");
    lines.push_back("@12345678901234567890b");
    lines.push_back("x");
    EXPECT_EQ(structureNames(lines),
              (std::vector<std::string>{"12345678901234567890", "12345678901234567890"}));
    EditorGrid grid;
    grid.fill("7");
    drawStructure(grid, lines, 2);
    EXPECT_EQ(rowOf(grid, 1, 3), "/,x, ");
    EXPECT_EQ(rowOf(grid, 10), "x,/,x,/,x,/,x,/, , , , , , , ");
    EXPECT_EQ(rowOf(grid, 11), " , , , , , , , , , , , , , , ");

    // Seventeen row lines: the last two are read and ignored.
    lines = {"@s"};
    for (int i = 0; i < 17; ++i)
        lines.push_back(i < 15 ? "x" : "/");
    drawStructure(grid, lines, 1);
    EXPECT_EQ(rowOf(grid, 15, 2), "x, ");
}

TEST(loadRandomStructure, DrawsOneNumberOnlyWhenThereIsAStructure) {
    testing::TempDir dir;
    EditorGrid grid;
    grid.fill("5");
    const EditorGrid untouched = grid;
    std::uint32_t seed = 3;
    EXPECT_EQ(
        loadRandomStructure(grid, seed, desktopStorage(), Place::kChosen, dir.file("none.VZR")),
        StructureDraw::kNoFile);
    EXPECT_EQ(loadRandomStructure(grid, seed, desktopStorage(), Place::kChosen,
                                  dir.write("a.VZR", "x,/\r\n\r\n/,/\r\n")),
              StructureDraw::kNoNames);
    EXPECT_EQ(seed, 3u);
    EXPECT_EQ(grid, untouched);
    EXPECT_EQ(structureMessage(StructureDraw::kNoNames),
              "Soubor s definicemi struktur úloh neobsahuje\x0c žádná označení!");

    // One structure: every draw gives it, and each draws a number.
    const std::string one = dir.write("one.VZR", "@jen\r\n/,/\r\n");
    EXPECT_EQ(loadRandomStructure(grid, seed, desktopStorage(), Place::kChosen, one),
              StructureDraw::kDrawn);
    EXPECT_EQ(seed, 404327440u);
    EXPECT_EQ(rowOf(grid, 1, 3), "/,/, ");

    // Many structures: the draw takes number nextRandom(count) + 1, of the
    // first 20 only. Structure k has its one clue cell at place k.
    std::string text;
    for (int k = 1; k <= 25; ++k) {
        text += "@s" + std::to_string(k) + "\r\n";
        if (k > 15) text += "x\r\n";
        for (int c = 1; c < (k - 1) % 15 + 1; ++c)
            text += "x,";
        text += "/\r\n";
    }
    const std::string many = dir.write("many.VZR", text);
    for (std::uint32_t s : {0u, 3u, 25u, 77u, 1001u, 123456u}) {
        std::uint32_t expected = s;
        const int k = nextRandom(expected, 20) + 1;
        std::uint32_t actual = s;
        EXPECT_EQ(loadRandomStructure(grid, actual, desktopStorage(), Place::kChosen, many),
                  StructureDraw::kDrawn);
        EXPECT_EQ(actual, expected);
        EXPECT_EQ(grid.at((k - 1) % 15 + 1, (k - 1) / 15 + 1), "/") << k;
        int clues = 0;
        for (int c = 1; c <= 15; ++c)
            for (int r = 1; r <= 15; ++r)
                clues += grid.at(c, r) == "/";
        EXPECT_EQ(clues, 1);
    }
}

}  // namespace
}  // namespace krizovky
