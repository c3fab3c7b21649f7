// Feeds arbitrary bytes to "krizovky-tool play" as its script of events, on
// one of three tasks: each line is read as an event and played on the game,
// the saved games of "save" and "load" and the player's own task file go to
// files of a work folder. No script may crash the reader or reach outside the
// board or the history; a line that is no event ends the run with status 1,
// the end of the input with 0.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "model/file_layer.h"
#include "model/task_list.h"
#include "model/text.h"
#include "tools/play_script.h"

using namespace krizovky;

namespace {

// The script with the path of every "save" and "load" replaced by one of two
// files of the work folder: a script must not write where it likes.
std::string confined(std::string_view bytes) {
    std::string script;
    LineCursor cursor(bytes);
    for (std::string_view line; cursor.next(line);) {
        const std::size_t start = line.find_first_not_of(" \t");
        const std::string_view rest =
            start == std::string_view::npos ? std::string_view{} : line.substr(start);
        for (std::string_view event : {"save", "load"}) {
            if (!rest.starts_with(event) || rest.size() == event.size() ||
                (rest[event.size()] != ' ' && rest[event.size()] != '\t'))
                continue;
            const char file = line.size() % 2 ? 'a' : 'b';
            line = {};
            script += std::string(event) + " " + fuzz::workFolder() + "/" + file + ".ulo";
        }
        script += line;
        script += '\n';
    }
    return script;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The boxes and states the script prints are of no interest here.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) __builtin_trap();
    // "newtask" and "importlink" keep their tasks in the player's own task
    // file: here one in the work folder.
    ::setenv("XDG_DATA_HOME", fuzz::workFolder().c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The example, the two-rows task of the solver's tests and a small
    // shipped one: "solve" ends quickly on each.
    static const std::string taskFile = [] {
        const std::string shipped =
            readFileBytes(std::string(KRIZOVKY_SOURCE_DIR) + "/data/krizovky.KRI");
        return fuzz::writeWorkFile("play.kri", shipped +
                                                   "@dva\r\n0,0/10,0/16,0/10,0*11\r\n"
                                                   "13/0,2,2,2,0*11\r\n23/0,2,2,2,0*11\r\n");
    }();
    static const std::vector<std::string> names = [] {
        const auto all = readTaskNames(taskFile);
        return std::vector<std::string>{all[0], all[2], all.back()};
    }();

    // Each input starts with no saved game in the folder, so that it plays
    // alike at every run.
    for (const char* file : {"/a.ulo", "/b.ulo", "/krizovky/moje_ulohy.kri"})
        std::remove((fuzz::workFolder() + file).c_str());
    std::istringstream in(confined(bytes));
    const int status =
        playScript(fuzz::workFolder() + "/krizovky", taskFile, names[size % names.size()], in);
    if (status != 0 && status != 1) __builtin_trap();
    return 0;
}
