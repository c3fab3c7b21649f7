#pragma once

#include <string>
#include <vector>

#include "model/storage.h"

namespace krizovky {

// The rules and the help for players as the rules window shows them.
struct RulesText {
    std::vector<std::string> lines;  // the file's lines, Windows-1250
    // Why the file could not be read (UTF-8); empty when it was.
    std::string problem;
};

// Reads the rules file (Windows-1250 with CR LF line ends). A file that
// cannot be read gives no lines and the reason, for the window to show in
// their place: a help text brings no box at start-up.
RulesText readRules(Storage& storage, const std::string& rulesFile);

}  // namespace krizovky
