#include "app/data_files.h"
#include "model/file_storage.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace krizovky {
namespace {

TEST(DataFileNames, WindowsPathWithExtension) {
    DataFileNames names = dataFileNames("C:\\GAMES\\Zotrix.exe");
    EXPECT_EQ(names.programDir, "C:\\GAMES\\");
    EXPECT_EQ(names.programBase, "C:\\GAMES\\Zotrix.");
    EXPECT_EQ(names.structureFile, "C:\\GAMES\\Zotrix.VZR");
    EXPECT_EQ(names.combinationFile, "C:\\GAMES\\Zotrix.DEF");
    EXPECT_EQ(names.defaultTaskFile, "C:\\GAMES\\Zotrix.KRI");
}

TEST(DataFileNames, PathWithoutExtensionGetsADot) {
    DataFileNames names = dataFileNames("/usr/games/krizovky");
    EXPECT_EQ(names.programDir, "/usr/games/");
    EXPECT_EQ(names.programBase, "/usr/games/krizovky.");
    EXPECT_EQ(names.combinationFile, "/usr/games/krizovky.DEF");
    EXPECT_EQ(names.defaultTaskFile, "/usr/games/krizovky.KRI");
    // A dot in a folder name is not the file's extension.
    EXPECT_EQ(dataFileNames("/opt/hry.d/krizovky").programBase, "/opt/hry.d/krizovky.");
    EXPECT_EQ(dataFileNames("/opt/hry.d/krizovky.bin").programBase, "/opt/hry.d/krizovky.");
}

TEST(DataFileNames, SeparatorsAndBareNames) {
    EXPECT_EQ(dataFileNames("A:Zotrix.exe").programDir, "A:");
    EXPECT_EQ(dataFileNames("Zotrix.exe").programDir, "");
    EXPECT_EQ(dataFileNames("Zotrix.exe").programBase, "Zotrix.");
    EXPECT_EQ(dataFileNames("krizovky").programBase, "krizovky.");
    EXPECT_EQ(dataFileNames("/a\\b/c").programDir, "/a\\b/");
}

TEST(DataFileNames, AProgramBesideTheGameReadsTheGamesFiles) {
    const DataFileNames names = dataFileNames(gameProgramBeside("/usr/lib/krizovky/krizovky-tool"));
    EXPECT_EQ(names.programDir, "/usr/lib/krizovky/");
    EXPECT_EQ(names.structureFile, "/usr/lib/krizovky/krizovky.VZR");
    EXPECT_EQ(names.combinationFile, "/usr/lib/krizovky/krizovky.DEF");
    EXPECT_EQ(dataFileNames(gameProgramBeside("krizovky-tool")).defaultTaskFile, "krizovky.KRI");
}

TEST(ExecutablePath, NamesThisTestProgram) {
    std::string path = executablePath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), '/');
    EXPECT_NE(path.find("/app_test"), std::string::npos);
    EXPECT_EQ(::access(path.c_str(), X_OK), 0);
}

}  // namespace
}  // namespace krizovky
