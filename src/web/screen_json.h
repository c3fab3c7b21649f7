#pragma once

#include <string>

#include "app/board_palette.h"
#include "app/game.h"

namespace krizovky {

// What the web page draws after each call into the game, as one JSON text
// (UTF-8): the board as its picture says it, the panels, buttons, clocks and
// captions of the main screen, the player's options, and the oldest request
// waiting for the player, if any. Colours are 0xRRGGBB numbers, absent where
// the look's own colour stands; notes are their digits, "137".
// display says the page's drawing options and the scheme the board is drawn
// in, with its colours ("display" and "palette").
std::string screenJson(const Game& game, const DisplayOptions& display = {},
                       bool systemDark = false);

}  // namespace krizovky
