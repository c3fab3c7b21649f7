#include "history/redo.h"

#include <algorithm>

namespace krizovky {

void RedoList::addTakenBack(const std::vector<RedoMove>& newestFirst) {
    // Newest first, a step's automatic Moves come before its player's entry,
    // which closes it; steps are added newest first, so the oldest ends on top.
    RedoStep step;
    for (const RedoMove& move : newestFirst) {
        step.push_back(move);
        if (!move.byPlayer) continue;
        std::reverse(step.begin(), step.end());
        steps_.push_back(std::move(step));
        step.clear();
    }
    if (step.empty()) return;
    std::reverse(step.begin(), step.end());
    steps_.push_back(std::move(step));
}

}  // namespace krizovky
