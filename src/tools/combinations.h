#pragma once

#include <string>
#include <vector>

namespace krizovky {

// krizovky-tool combinations [--length N] [--sum S] [--with DIGITS]
// [--without DIGITS]: every combination of distinct digits that the options
// let through, a line "LENGTH SUM DIGITS" each, by length, sum and digits.
// args are the words after "combinations". 1 with a message for a wrong
// argument.
int printCombinations(const std::vector<std::string>& args);

}  // namespace krizovky
