#include "model/task_list.h"

#include <gtest/gtest.h>

#include "model/errors.h"
#include "model/text.h"
#include "support/temp_dir.h"

namespace krizovky {
namespace {

using V = std::vector<std::string>;

TEST(TaskNames, AreTheNameLinesInFileOrder) {
    V lines{"0,0", "@b", "0*15", "", " @not a name", "@a ", "@b", "@", "@@x"};
    EXPECT_EQ(taskNamesOfLines(lines), (V{"b", "a ", "b", "", "@x"}));
}

TEST(TaskNames, FromAFile) {
    testing::TempDir dir;
    auto path = dir.write("t.kri", "@jedna\r\n0*15\r\n@dv\xECm\r\n0*15\r\n");
    EXPECT_EQ(readTaskNames(path), (V{"jedna", "dv\xECm"}));
    try {
        readTaskNames(dir.file("none.kri"));
        ADD_FAILURE() << "a missing file gave names";
    } catch (const RunError& e) {
        EXPECT_STREQ(e.what(), kFileNotFound);
    }
}

TEST(SortTaskNames, KeepsDuplicates) {
    V names{"b", "a", "b", "a"};
    sortTaskNames(names);
    EXPECT_EQ(names, (V{"a", "a", "b", "b"}));
}

TEST(SortTaskNames, FollowsTheCzechAlphabet) {
    ASSERT_TRUE(czechCollationAvailable()) << "ICU has no Czech collation";
    V names;
    for (const char* utf8 : {"žába", "chata", "hrad", "čáp", "cesta", "řeka", "rak", "Adam", "auto",
                             "šev", "sova", "10 velká", "02 malá"})
        names.push_back(cp1250FromUtf8(utf8));
    sortTaskNames(names);
    V shown;
    for (const auto& name : names)
        shown.push_back(utf8FromCp1250(name));
    EXPECT_EQ(shown, (V{"02 malá", "10 velká", "Adam", "auto", "cesta", "čáp", "hrad", "chata",
                        "rak", "řeka", "sova", "šev", "žába"}));
}

}  // namespace
}  // namespace krizovky
