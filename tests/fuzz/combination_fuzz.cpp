// Feeds arbitrary bytes to start-up as the combination file krizovky.DEF and
// then plays the shipped tasks with whatever table was read: hints at every
// Level, entries with their checks and the completion of runs, the full
// check. A table the reader keeps must never send a hint or a check outside
// its slots, and its lookup must answer with groups of the asked pair.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/game.h"
#include "app/headless_host.h"
#include "fuzz_support.h"
#include "model/combination_table.h"
#include "model/file_layer.h"
#include "model/task_list.h"

using namespace krizovky;

namespace {

void requireSoundLookups(const CombinationTable& table) {
    const int count = table.combinationCount();
    if (count < 0 || count > kCombinationSlots) __builtin_trap();
    for (int i = 1; i <= count + 1; ++i)
        if (table.digitSetOf(i) != table.slot(i).digitSet) __builtin_trap();
    for (int length = 0; length <= 16; ++length)
        for (int sum = -1; sum <= 256; ++sum) {
            const auto group = table.lookup(sum, length);
            if (!group) continue;
            if (group->first < 1 || group->count < 1 || group->first + group->count - 1 > count)
                __builtin_trap();
            for (int i = group->first; i < group->first + group->count; ++i)
                if (table.slot(i).digitCount != length || table.slot(i).sum != sum)
                    __builtin_trap();
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const std::string taskFile = [] {
        const std::string shipped =
            readFileBytes(std::string(KRIZOVKY_SOURCE_DIR) + "/data/krizovky.KRI");
        return fuzz::writeWorkFile("krizovky.KRI", shipped);
    }();
    // The example, a middle one and the largest of the shipped tasks.
    static const std::vector<std::string> names = [] {
        const auto all = readTaskNames(taskFile);
        return std::vector<std::string>{all.front(), all[all.size() / 2], all.back()};
    }();

    HeadlessHost host;
    Game game(host);
    game.start(fuzz::workFolder() + "/krizovky", bytes);
    requireSoundLookups(game.combinations());
    for (const std::string& name : names) {
        game.tasks().setSelectedTaskName(name);
        game.tasks().loadTask();
        fuzz::playEverything(game);
    }
    return 0;
}
