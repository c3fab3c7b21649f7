#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace krizovky {

// Texts inside the program are Windows-1250 bytes, as the data files hold them.
// These convert at the edges: UTF-8 program literals and terminal output.
std::string cp1250FromUtf8(std::string_view utf8);  // unmappable characters become "?"
std::string utf8FromCp1250(std::string_view bytes);  // undefined bytes become U+FFFD

// Converts strictly; false when some character has no Windows-1250 byte.
bool tryCp1250FromUtf8(std::string_view utf8, std::string& out);

// The lines of a text file. A line ends at LF, and a CR right before the LF
// belongs to the line end, so CR LF and LF files read alike. A last line
// without a line end counts; a line end at the very end adds no empty line.
std::vector<std::string> splitLines(std::string_view bytes);

// True when nothing is left after removing leading and trailing blanks and
// control characters.
bool isBlankLine(std::string_view line);

}  // namespace krizovky
