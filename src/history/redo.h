#pragma once

#include <cstdint>
#include <vector>

namespace krizovky {

// A Move as the redo writes it again: its square, the digit it wrote (0 an
// erasure) and whether the player made it.
struct RedoMove {
    std::uint8_t row = 0;
    std::uint8_t col = 0;
    std::uint8_t digit = 0;
    bool byPlayer = false;
    bool operator==(const RedoMove&) const = default;
};

// What one redo puts back, oldest first: a player's entry with the digits the
// completion added after it (or, at the bottom of the history, automatic
// Moves alone).
using RedoStep = std::vector<RedoMove>;

// What the undos took back and a redo can put back. Each undo adds the Moves
// it took back as steps, one per player's entry; the earliest of them is
// redone first, so redos replay the entries in the order they were made.
class RedoList {
  public:
    // The Moves one undo took back, newest first, as it took them.
    void addTakenBack(const std::vector<RedoMove>& newestFirst);

    bool empty() const { return steps_.empty(); }
    int size() const { return static_cast<int>(steps_.size()); }
    // The step the next redo puts back; only when not empty.
    const RedoStep& next() const { return steps_.back(); }
    void dropNext() { steps_.pop_back(); }
    void clear() { steps_.clear(); }

  private:
    std::vector<RedoStep> steps_;  // the next redo last
};

}  // namespace krizovky
