#pragma once

#include <string>

#include "model/board.h"

namespace krizovky {

enum class EntryVerdict {
    kAccepted,
    kAcrossDuplicate,
    kAcrossSum,
    kDownDuplicate,
    kDownSum,
};

// Whether digit (1..9) may go into the entry square at (row, column), judged
// against the digits of its two runs with its own old digit left out. The
// across run is judged first and the first rejection is the verdict. A run
// that is not yet full must stay below its sum across; down, only a full run
// is held to its sum. A square without a clue for one of its runs (only in a
// malformed task) has no sum to reach that way and takes no digit.
EntryVerdict checkEntry(const Board& board, int row, int column, int digit);

// The message that tells the player why digit was refused (UTF-8);
// empty for an accepted digit.
std::string entryMessage(EntryVerdict verdict, int digit);

}  // namespace krizovky
