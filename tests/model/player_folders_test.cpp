#include "model/player_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "model/errors.h"
#include "support/temp_dir.h"

namespace krizovky {
namespace {

TEST(PlayerFolders, FollowTheXdgVariablesAndFallBackToHome) {
    const struct {
        const char* home;
        const char* data;
        const char* state;
        std::string dataFolder, stateFolder;
    } cases[] = {
        {"/home/h", nullptr, nullptr, "/home/h/.local/share/krizovky/",
         "/home/h/.local/state/krizovky/"},
        {"/home/h", "/x/data/", "/x/state", "/x/data/krizovky/", "/x/state/krizovky/"},
        {"/home/h", "relative", "", "/home/h/.local/share/krizovky/",
         "/home/h/.local/state/krizovky/"},
        {"", nullptr, nullptr, "", ""},
    };
    for (const auto& c : cases) {
        setenv("HOME", c.home, 1);
        for (auto [name, value] : {std::pair{"XDG_DATA_HOME", c.data}, {"XDG_STATE_HOME", c.state}})
            value ? setenv(name, value, 1) : unsetenv(name);
        EXPECT_EQ(playerDataFolder(), c.dataFolder) << c.home << " " << (c.data ? c.data : "-");
        EXPECT_EQ(playerStateFolder(), c.stateFolder);
    }
}

TEST(PlayerFolders, AreMadeWithTheirParentsAndADamagedFileGetsAFreeName) {
    testing::TempDir dir;
    const std::string folder = dir.file("a/b/krizovky/");
    makeFolders(folder);
    makeFolders(folder);  // already there
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    dir.write("file", "x");
    EXPECT_THROW(makeFolders(dir.file("file/sub/")), RunError);

    const std::string record = dir.write("results.json", "{");
    EXPECT_EQ(setAsideName(record), record + ".damaged");
    dir.write("results.json.damaged", "");
    EXPECT_EQ(setAsideName(record), record + ".damaged-2");
}

}  // namespace
}  // namespace krizovky
