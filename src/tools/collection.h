#pragma once

#include <string>

namespace krizovky {

// krizovky-tool collection: the shipped task collection made anew. Every
// structure of the structure file is filled by the editor's generator a few
// times, each fill made unique and rated by the logical solver; tasks that
// need trial are left out. The chosen ones are named by their place from
// easy to very hard ("01 lehká" ... "60 expert"), and written after the task named "priklad"
// of keepPath, as a task file on standard output.
int makeCollection(const std::string& structurePath, const std::string& keepPath);

}  // namespace krizovky
