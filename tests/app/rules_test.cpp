// The rules as the rules window gets them: the file's lines as they are, or
// the reason the file could not be read.
#include "app/rules.h"
#include "model/file_storage.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace krizovky {
namespace {

TEST(Rules, TheFilesLinesOrWhyThereAreNone) {
    testing::TempDir dir;
    const RulesText read =
        readRules(desktopStorage(), dir.write("krizovky.PRA", "Pravidla\r\n\x9a\xe8\r\n"));
    EXPECT_EQ(read.lines, (std::vector<std::string>{"Pravidla", "\x9a\xe8"}));
    EXPECT_TRUE(read.problem.empty());

    const RulesText missing = readRules(desktopStorage(), dir.file("chybi.PRA"));
    EXPECT_TRUE(missing.lines.empty());
    EXPECT_EQ(missing.problem,
              "Pravidla nelze načíst ze souboru " + dir.file("chybi.PRA") + ": File not found");
}

}  // namespace
}  // namespace krizovky
