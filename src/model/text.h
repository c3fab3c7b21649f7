#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace krizovky {

// Texts inside the program are Windows-1250 bytes, as the data files hold them.
// These convert at the edges: UTF-8 program literals and terminal output.
std::string cp1250FromUtf8(std::string_view utf8);   // unmappable characters become "?"
std::string utf8FromCp1250(std::string_view bytes);  // undefined bytes become U+FFFD

// Converts strictly; false when some character has no Windows-1250 byte.
bool tryCp1250FromUtf8(std::string_view utf8, std::string& out);

// The lines of a text file. A line ends at LF, and a CR right before the LF
// belongs to the line end, so CR LF and LF files read alike. A last line
// without a line end counts; a line end at the very end adds no empty line.
std::vector<std::string> splitLines(std::string_view bytes);

// The lines of splitLines one at a time, as views into the text, for files
// too large to copy line by line.
class LineCursor {
  public:
    explicit LineCursor(std::string_view bytes) : bytes_(bytes) {}
    // The next line; false at the end of the text.
    bool next(std::string_view& line);

  private:
    std::string_view bytes_;
    std::size_t start_ = 0;
};

// The text of a file as the program holds texts: Windows-1250. A file in
// UTF-8 (valid UTF-8 with a character beyond ASCII, every character one
// that Windows-1250 has) is converted, without a leading byte order mark;
// any other file is taken as it is.
std::string windows1250Text(std::string bytes);

// True when nothing is left after removing leading and trailing blanks and
// control characters.
bool isBlankLine(std::string_view line);

}  // namespace krizovky
