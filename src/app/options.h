#pragma once

#include "play/level.h"

namespace krizovky {

// The player's options of "&Volby"; every start begins with these. The
// window ticks its menu items from them.
struct Options {
    Level level = Level::k100;  // "&IQ"
    bool autoFill = true;       // "&Doplňovat"
    bool checking = true;       // "&Kontrolovat": each digit checked as it is written
    bool eraseNotes = true;     // "&Mazat poznámky": a written digit leaves the notes of its runs
};

}  // namespace krizovky
