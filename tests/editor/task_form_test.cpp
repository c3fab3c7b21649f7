#include "editor/task_form.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "model/errors.h"
#include "model/file_layer.h"
#include "model/file_storage.h"
#include "model/text.h"
#include "support/editor_grid_text.h"
#include "support/temp_dir.h"

namespace krizovky {
namespace {

using testing::gridOf;
using testing::rowOf;

std::string fifteenEntries() {
    std::string row = "2";
    for (int i = 0; i < 14; ++i)
        row += ",2";
    return row;
}

TEST(validateGrid, FindsTheFirstBadCellRowByRow) {
    struct Case {
        const char* text;
        bool good;
    };
    const Case cases[] = {
        {"x", true},       {"X", true},   {"", true},    {" ", true},    {"7", true},
        {"0", true},       {" 7 ", true}, {"abc", true}, {"12/0", true}, {"//", true},
        {" 3 / 4 ", true}, {"/5", true},  {"/", false},  {"a/b", false}, {"12", false},
        {"1 2", false},    {"xx", true},  {"x1", true},  {"x12", false},
    };
    for (const auto& c : cases) {
        EditorGrid grid;
        grid.at(4, 1) = c.text;
        const auto bad = validateGrid(grid);
        EXPECT_EQ(bad.has_value(), !c.good) << '"' << c.text << '"';
        if (bad) {
            EXPECT_EQ(*bad, (GridCell{1, 4}));
        }
    }
    EditorGrid grid;
    grid.at(9, 2) = "12";
    grid.at(3, 3) = "/";
    grid.at(1, 3) = "45";
    EXPECT_EQ(validateGrid(grid), (GridCell{2, 9}));
    grid.at(9, 2) = "1";
    EXPECT_EQ(validateGrid(grid), (GridCell{3, 1}));
}

TEST(TaskWriter, WritesFifteenRowsOfFifteenTokens) {
    EditorGrid grid = gridOf({"x,12/0"}, "");
    std::string expected = "\r\n@t\r\n0,12/0";
    for (int i = 0; i < 13; ++i)
        expected += ",2";
    expected += "\r\n";
    for (int r = 2; r <= 15; ++r)
        expected += fifteenEntries() + "\r\n";
    EXPECT_EQ(taskText(grid, "t"), expected);
    // A digit and "0" are entry cells; a clue keeps its blanks; "X" is blank.
    grid = gridOf({"0,7, 3 / 4 ,X,//,abc"}, "");
    std::string row = "2,2, 3 / 4 ,0,//,2";
    for (int i = 0; i < 9; ++i)
        row += ",2";
    EXPECT_EQ(splitLines(taskText(grid, "t"))[2], row);
}

TEST(removeTaskFromFile, DropsEveryTaskOfTheSameNameInCapitals) {
    const std::string file = "note\r\n\r\n@ABC\r\n1\r\n\r\n@abc\r\n2\r\n@Abd\r\n3\r\n@ABC\r\n4\r\n";
    EXPECT_EQ(removeTaskFromFile(file, "Abc"), "note\r\n@Abd\r\n3\r\n");
    EXPECT_EQ(removeTaskFromFile(file, "Ab"), std::nullopt);
    // Czech letters in capitals: "á" matches "Á", "č" matches "Č".
    const std::string czech = cp1250FromUtf8("@ÚLOHA Č\nx\n@jiná\ny\n");
    EXPECT_EQ(removeTaskFromFile(czech, cp1250FromUtf8("úloha č")),
              cp1250FromUtf8("@jiná\r\ny\r\n"));
    // Only the first 20 characters of a name line count.
    const std::string longName = "@abcdefghijklmnopqrstuvwxyz\n1\n@b\n2\n";
    EXPECT_EQ(removeTaskFromFile(longName, "ABCDEFGHIJKLMNOPQRST"), "@b\r\n2\r\n");
}

TEST(removeTaskFromFile, NamesTheWorkFileAfterTheTaskFile) {
    EXPECT_EQ(workFileName("/a/b/ulohy.kri"), "/a/b/ulohy.WRK");
    EXPECT_EQ(workFileName("/a/b.c/ulohy"), "/a/b.c/ulohy.WRK");
    EXPECT_EQ(workFileName("x.y.kri"), "x.y.WRK");
}

class SaveTask : public ::testing::Test {
  protected:
    void TearDown() override { injectWriteFault(WriteStep::kNone, 0); }
    testing::TempDir dir;
};

TEST_F(SaveTask, CreatesAppendsAndReplaces) {
    const std::string path = dir.file("u.kri");
    const EditorGrid a = gridOf({"x,4/0"}, "");
    const EditorGrid b = gridOf({"x,5/0"}, "");
    saveTaskToFile(a, "Abc", desktopStorage(), Place::kChosen, path);
    EXPECT_EQ(readFileBytes(path), taskText(a, "Abc"));
    saveTaskToFile(b, "other", desktopStorage(), Place::kChosen, path);
    EXPECT_EQ(readFileBytes(path), taskText(a, "Abc") + taskText(b, "other"));
    // Saved again under a name in other letters: the old one goes, the new one
    // comes at the end, and the file has no empty line but before it.
    saveTaskToFile(b, "ABC", desktopStorage(), Place::kChosen, path);
    std::string other = taskText(b, "other").substr(2);
    EXPECT_EQ(readFileBytes(path), other + taskText(b, "ABC"));
    EXPECT_FALSE(fileExists(workFileName(path)));
    // A file without that name is kept byte for byte, LF line ends included.
    const std::string lf = dir.write("lf.kri", "head\n@q\n0*15");
    saveTaskToFile(a, "n", desktopStorage(), Place::kChosen, lf);
    EXPECT_EQ(readFileBytes(lf), "head\n@q\n0*15" + taskText(a, "n"));
}

TEST_F(SaveTask, AFailedWriteLeavesTheOldFileWhole) {
    const std::string path = dir.write("u.kri", "@Abc\r\n1\r\n@z\r\n2\r\n");
    const EditorGrid grid = gridOf({"x"}, "");
    for (WriteStep step : {WriteStep::kCreate, WriteStep::kWrite, WriteStep::kRename}) {
        injectWriteFault(step, ENOSPC);
        try {
            saveTaskToFile(grid, "abc", desktopStorage(), Place::kChosen, path);
            ADD_FAILURE() << "no error";
        } catch (const RunError& e) {
            EXPECT_EQ(std::string(e.what()), std::strerror(ENOSPC));
        }
        EXPECT_EQ(readFileBytes(path), "@Abc\r\n1\r\n@z\r\n2\r\n");
        EXPECT_FALSE(fileExists(workFileName(path)));
    }
    injectWriteFault(WriteStep::kNone, 0);
    // A missing folder is the system's own failure.
    EXPECT_THROW(
        saveTaskToFile(grid, "abc", desktopStorage(), Place::kChosen, dir.file("none/u.kri")),
        RunError);
    saveTaskToFile(grid, "abc", desktopStorage(), Place::kChosen, path);
    EXPECT_EQ(readFileBytes(path), "@z\r\n2\r\n" + taskText(grid, "abc"));
}

TEST(TaskLoader, ReadsRowsIntoTheGrid) {
    EditorGrid grid;
    grid.fill("old");
    parseTaskRowIntoGrid(grid, "0,2*3,12/5,0", 1);
    EXPECT_EQ(rowOf(grid, 1, 8), "x,,,,12/5,x,old,old");
    parseTaskRowIntoGrid(grid, "7,,2*0,1 2 / 5 ,", 2);  // a "," at the end adds no cell
    EXPECT_EQ(rowOf(grid, 2, 5), "7,,12/5,old,old");
    parseTaskRowIntoGrid(grid, "0*20", 3);
    EXPECT_EQ(rowOf(grid, 3), "x,x,x,x,x,x,x,x,x,x,x,x,x,x,x");
    parseTaskRowIntoGrid(grid, "2*x,3*2,5/*2", 4);  // no count: one cell; "5/" repeated
    EXPECT_EQ(rowOf(grid, 4, 6), ",3,3,5/,5/,old");
    parseTaskRowIntoGrid(grid, "0", 16);  // outside the grid: nothing
    parseTaskRowIntoGrid(grid, "2*99999999999,0", 5);
    EXPECT_EQ(rowOf(grid, 5, 3), ",x,old");

    // A task saved by the writer loads back into the same kinds of cells.
    const EditorGrid saved = gridOf({"x,12/0,7", "/5,0, 3 / 4 "}, "");
    EditorGrid loaded;
    loaded.fill("?");
    EXPECT_TRUE(loadTaskIntoGrid(loaded, splitLines(taskText(saved, "t")), "t"));
    EXPECT_EQ(rowOf(loaded, 1, 4), "x,12/0,,");
    EXPECT_EQ(rowOf(loaded, 2, 4), "/5,,3/4,");
}

TEST(TaskLoader, FindsTheTaskByItsExactNameAndChangesOnlyItsRows) {
    std::vector<std::string> lines = {"0,0", "@T", "0", "@t ", "0", "@t", "", "2,0"};
    for (int i = 2; i <= 10; ++i)
        lines.push_back("0*15");
    lines.push_back("   ");  // a line of blanks is a row of its own
    lines.push_back("@t");
    lines.push_back("0*15");
    EditorGrid grid;
    grid.fill("?");
    EXPECT_TRUE(loadTaskIntoGrid(grid, lines, "t"));
    EXPECT_EQ(rowOf(grid, 1, 3), ",x,?");
    EXPECT_EQ(rowOf(grid, 10, 2), "x,x");
    EXPECT_EQ(rowOf(grid, 11, 2), ",?");
    EXPECT_EQ(rowOf(grid, 12, 2), "?,?");
    EditorGrid untouched = grid;
    EXPECT_FALSE(loadTaskIntoGrid(grid, lines, "none"));
    EXPECT_EQ(grid, untouched);
}

}  // namespace
}  // namespace krizovky
