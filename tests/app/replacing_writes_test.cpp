// Every command that replaces a file, failing at each step of the write: the
// saved game of "&Ulož", the text editor's save and the task editor's "ulož
// úlohu". The earlier file must stay byte for byte, nothing may be left
// beside it, and the player must be told the system's text.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>

#include "model/file_layer.h"
#include "model/text.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;

std::set<std::string> folder(const GameFixture& f) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(f.dir.path()))
        names.insert(entry.path().filename().string());
    return names;
}

struct Writer {
    const char* command;
    const char* file;  // what the command replaces
    std::function<void(GameFixture&, const std::string& path)> write;
};

const Writer kWriters[] = {
    {"Ulož", "hra.ulo",
     [](GameFixture& f, const std::string& path) {
         f.host.files.push_back(path);
         f.game.persistence().saveGame();
     }},
    {"the text editor's save", "krizovky.KRI",
     [](GameFixture& f, const std::string&) {
         f.game.tasks().showTextEditor();
         f.game.tasks().textEditor().activate();
         f.game.tasks().textEditor().changeText("@nový");
         f.game.tasks().textEditor().save();
     }},
    {"ulož úlohu", "ulohy.kri",
     [](GameFixture& f, const std::string& path) {
         f.game.tasks().showTaskEditor();
         f.game.tasks().editor().changeName("nová");
         f.game.tasks().setOwnTaskFilePath(f.dir.file("moje_ulohy.kri"));
         f.host.files.push_back(path);
         f.game.tasks().editor().saveTask();
     }},
};

TEST(ReplacingWrites, AFailureAtAnyStepKeepsTheOldFileAndShowsTheSystemsText) {
    const std::string old = cp1250FromUtf8("@starý\r\n0*15\r\n");
    for (const Writer& writer : kWriters) {
        for (WriteStep step : {WriteStep::kCreate, WriteStep::kWrite, WriteStep::kFlush,
                               WriteStep::kClose, WriteStep::kRename, WriteStep::kNone}) {
            SCOPED_TRACE(std::string(writer.command) + ", step " +
                         std::to_string(static_cast<int>(step)));
            GameFixture f;
            f.choose("priklad");
            const std::string path = f.dir.write(writer.file, old);
            const std::set<std::string> before = folder(f);
            injectWriteFault(step, ENOSPC);
            writer.write(f, path);
            injectWriteFault(WriteStep::kNone, 0);
            EXPECT_EQ(folder(f), before);
            if (step == WriteStep::kNone) {  // the command does reach the write
                EXPECT_NE(readFileBytes(path), old);
                EXPECT_TRUE(f.host.failures.empty());
                continue;
            }
            EXPECT_EQ(readFileBytes(path), old);
            EXPECT_EQ(f.host.failures, std::vector<std::string>{std::strerror(ENOSPC)});
        }
    }
}

}  // namespace
}  // namespace krizovky
