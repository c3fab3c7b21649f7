#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/board_picture.h"
#include "app/screen.h"

namespace krizovky {

// "&Volby → Barvy": the colours the board is drawn in.
enum class ColourScheme : std::uint8_t {
    kClassic,      // "klasické": the game's own colours, yellow squares
    kColourBlind,  // "pro barvoslepé": colours that stay apart for the common kinds of colour
                   // blindness
    kDark,         // "tmavé": light digits on dark squares, for the modern look
};
inline constexpr std::array<ColourScheme, 3> kColourSchemes{
    ColourScheme::kClassic, ColourScheme::kColourBlind, ColourScheme::kDark};

// The scheme's item text, and back; nothing for another text.
std::string_view schemeName(ColourScheme scheme);
std::optional<ColourScheme> schemeNamed(std::string_view name);

// The colours of one scheme. The fills of the states are what the squares of
// the game take in place of the screen's own colours; every state also has a
// shape of its own (see the board painter), drawn in shapeInk.
struct BoardPalette {
    std::optional<Colour> page;  // around the board; nothing: the window's own
    Colour clue = kBlack;
    Colour clueInk = kWhite;
    Colour entry = kYellow;  // a plain entry square
    Colour entryInk = kBlack;
    Colour notesInk = kBlack;
    Colour grid = kBlack;
    Colour runShade = kYellow;  // plain squares of the selected square's runs
    Colour shapeInk = kBlack;   // frames, hatching and symbols
    Colour numbers = 0x606060;  // the row and column numbers of the edges
    // Indexed by SquareState; kPlain and kMark are taken from entry and marks.
    std::array<Colour, 8> states{};
    std::array<Colour, 5> marks{};  // 1..4
};

const BoardPalette& boardPalette(ColourScheme scheme);

// What an entry square in this state is filled with.
Colour fillOf(const BoardPalette& palette, SquareState state, int mark);

// The contrast of two colours as the web's accessibility guidelines measure
// it: 1 for the same luminance up to 21 for black on white.
double relativeLuminance(Colour colour);
double contrastRatio(Colour a, Colour b);

// The options of the board's drawing, kept between starts with the window's
// look (not with the game's "&Volby" that every start begins afresh).
struct DisplayOptions {
    // Nothing until the player chooses: the system's dark mode decides
    // between "klasické" and "tmavé".
    std::optional<ColourScheme> colours;
    bool runHighlight = true;  // "Zvýrazňovat součty": the selected square's runs shaded
    bool digitPad = false;     // "Číselník": the digit pad beside the modern board
};

// The scheme the board is drawn in.
ColourScheme schemeOf(const DisplayOptions& options, bool systemDark);

}  // namespace krizovky
