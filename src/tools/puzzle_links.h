#pragma once

#include <optional>
#include <string>

namespace krizovky {

// krizovky-tool import: the task of a link of the public puzzle editor, or of
// its file, as a task file holds it (Windows-1250, CR LF) on standard output,
// under utf8Name or the name the import offers. An argument that names a file
// is read as one; otherwise it is a link when it holds a "?" or begins as a
// link without its host does, and a file name else.
int importPuzzleLink(const std::string& linkOrFile, const std::optional<std::string>& utf8Name);

// krizovky-tool export: the link of the task named utf8Name (UTF-8) of the
// task file at path, or with asFile the editor's file text.
int exportPuzzleLink(const std::string& path, const std::string& utf8Name, bool asFile);

}  // namespace krizovky
