#include "app/own_tasks.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

#include "model/errors.h"
#include "model/file_layer.h"
#include "model/file_storage.h"
#include "model/task_list.h"
#include "support/temp_dir.h"

namespace krizovky {
namespace {

MadeTask made(int number) {
    TaskRequest request;
    request.grade = Difficulty::kEasy;
    request.size = TaskSize::kSmall;
    request.number = number;
    return makeTask(request, completeCombinationTable());
}

std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(KeepMadeTask, CreatesTheFileWithItsFoldersAndKeepsEachNameOnce) {
    testing::TempDir dir;
    const std::string path = dir.file("data/krizovky/moje_ulohy.kri");
    const MadeTask first = made(1), second = made(2);
    keepMadeTask(first, desktopStorage(), path);
    EXPECT_EQ(readFileBytes(path), first.text);
    keepMadeTask(second, desktopStorage(), path);
    keepMadeTask(first, desktopStorage(), path);  // made again: replaced, and last
    EXPECT_EQ(readTaskNames(path), (std::vector<std::string>{"L 8 2", "L 8 1"}));
    EXPECT_EQ(filesIn(dir.file("data/krizovky")), std::set<std::string>{"moje_ulohy.kri"});
}

TEST(KeepMadeTask, AFailedWriteKeepsTheOldFile) {
    testing::TempDir dir;
    const std::string path = dir.file("moje_ulohy.kri");
    keepMadeTask(made(1), desktopStorage(), path);
    const std::string old = readFileBytes(path);
    const MadeTask next = made(2);
    for (WriteStep step : {WriteStep::kCreate, WriteStep::kWrite, WriteStep::kFlush,
                           WriteStep::kClose, WriteStep::kRename}) {
        SCOPED_TRACE(static_cast<int>(step));
        injectWriteFault(step, ENOSPC);
        try {
            keepMadeTask(next, desktopStorage(), path);
            ADD_FAILURE() << "no error";
        } catch (const RunError& e) {
            EXPECT_STREQ(e.what(), std::strerror(ENOSPC));
        }
        injectWriteFault(WriteStep::kNone, 0);
        EXPECT_EQ(readFileBytes(path), old);
        EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"moje_ulohy.kri"});
    }
    // A folder that cannot be made: a file stands where it would be.
    EXPECT_THROW(
        keepMadeTask(next, desktopStorage(), dir.file("moje_ulohy.kri/krizovky/moje_ulohy.kri")),
        RunError);
    EXPECT_EQ(readFileBytes(path), old);
}

}  // namespace
}  // namespace krizovky
