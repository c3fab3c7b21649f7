#include "tools/puzzle_links.h"

#include <cstdio>
#include <string_view>
#include <vector>

#include "model/errors.h"
#include "model/file_layer.h"
#include "model/puzzle_link.h"
#include "model/task_list.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace krizovky {
namespace {

int fail(const std::string& utf8) {
    std::fprintf(stderr, "%s\n", utf8.c_str());
    return 1;
}

bool looksLikeLink(std::string_view text) {
    return text.find('?') != std::string_view::npos || text.starts_with("kakuro/") ||
           text.starts_with("m+") || text.starts_with("m/") || text.starts_with("pzprv3/");
}

void write(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

}  // namespace

int importPuzzleLink(const std::string& linkOrFile, const std::optional<std::string>& utf8Name) {
    std::string name;
    if (utf8Name && !(tryCp1250FromUtf8(*utf8Name, name) && isTaskName(name)))
        return fail("bad task name \"" + *utf8Name + "\"");
    std::string text = linkOrFile;
    if (fileExists(linkOrFile) || !looksLikeLink(linkOrFile)) {
        try {
            text = readFileBytes(linkOrFile);
        } catch (const RunError& e) {
            return fail(e.what());
        }
    }
    const ImportResult result = importPuzzle(text);
    if (!result.puzzle) return fail(result.message);
    write(taskEntryText(utf8Name ? name : result.puzzle->name, result.puzzle->rows));
    return 0;
}

int exportPuzzleLink(const std::string& path, const std::string& utf8Name, bool asFile) {
    Board board;
    try {
        std::string name;
        bool known = tryCp1250FromUtf8(utf8Name, name) && !name.empty();
        if (known) {
            known = false;
            for (const auto& n : readTaskNames(path))
                known = known || n == name;
        }
        if (!known) return fail("no task named \"" + utf8Name + "\"");
        readTask(path, name, board);
    } catch (const RunError& e) {
        return fail(e.what());
    }
    const ExportResult result = asFile ? exportPzprv3(board) : exportLink(board);
    if (!result.ok()) return fail(result.message);
    write(result.text);
    if (!asFile) write("\n");
    return 0;
}

}  // namespace krizovky
