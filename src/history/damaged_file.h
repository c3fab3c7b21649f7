#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "model/errors.h"

namespace krizovky {

// A file of the player's (the record, the kept game) that was read but holds
// nothing the game can use. what() is the reader's own words, in English, for
// standard error; the player is told the line where the reader stopped.
class DamagedFileError : public RunError {
  public:
    DamagedFileError(int line, const std::string& readerText) : RunError(readerText), line_(line) {}
    // The line of the file the reader stopped at, from 1; 0 when the fault
    // is in no one line (a value of the wrong kind, a missing one).
    int line() const { return line_; }

  private:
    int line_;
};

// The line, from 1, that holds the byte at position (from 1, as the JSON
// reader counts them); a position past the end is on the last line.
inline int lineOfByte(std::string_view text, std::size_t position) {
    const std::size_t before = std::min(position == 0 ? 0 : position - 1, text.size());
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + before, '\n'));
}

}  // namespace krizovky
