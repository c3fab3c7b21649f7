#pragma once

#include <cstdint>

#include "play/level.h"

namespace krizovky {

// "&Rychlost řešení": how fast the window shows the search of "70". The
// search is the same at every speed.
enum class SolverSpeed : std::uint8_t {
    kStep,     // "krokovat": about 20 placements a second, each one drawn
    kSmooth,   // "plynule": about 500 a second
    kFastest,  // "co nejrychleji": as fast as it searches, drawn 60 times a second
};

// The player's options of "&Volby"; every start begins with these. The
// window ticks its menu items from them.
struct Options {
    Level level = Level::k100;  // "&IQ"
    bool autoFill = true;       // "&Doplňovat"
    bool checking = true;       // "&Kontrolovat": each digit checked as it is written
    SolverSpeed solverSpeed = SolverSpeed::kFastest;  // "&Rychlost řešení"
    bool eraseNotes = true;  // "&Mazat poznámky": a written digit leaves the notes of its runs
};

}  // namespace krizovky
