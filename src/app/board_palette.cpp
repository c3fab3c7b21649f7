#include "app/board_palette.h"

#include <algorithm>
#include <cmath>

namespace krizovky {
namespace {

constexpr std::size_t index(SquareState state) {
    return static_cast<std::size_t>(state);
}

BoardPalette classicPalette() {
    BoardPalette p;
    p.runShade = 0xFFFFA8;
    p.states[index(SquareState::kSelected)] = kRed;
    p.states[index(SquareState::kDuplicate)] = kOlive;
    p.states[index(SquareState::kWrongSum)] = kGray;
    p.states[index(SquareState::kHintUsed)] = kSkyBlue;
    p.states[index(SquareState::kHintDecided)] = kBlue;
    p.states[index(SquareState::kWrongDigit)] = kPink;
    p.marks = {kBlack, kAqua, kLime, kFuchsia, kOrange};
    return p;
}

// Near the colours of Okabe and Ito, moved until every two of the fills stay
// at least 20 CIELAB units apart under simulated protanopia, deuteranopia and
// tritanopia, with black digits readable on each.
BoardPalette colourBlindPalette() {
    BoardPalette p;
    p.entry = kWhite;
    p.runShade = 0xE4EEF8;
    p.states[index(SquareState::kSelected)] = 0xFF8F0A;
    p.states[index(SquareState::kDuplicate)] = 0xD34F00;
    p.states[index(SquareState::kWrongSum)] = 0x7C797E;
    p.states[index(SquareState::kHintUsed)] = 0xB7B9BC;
    p.states[index(SquareState::kHintDecided)] = 0x4398F3;
    p.states[index(SquareState::kWrongDigit)] = 0xFDAE91;
    p.marks = {kBlack, 0x56DBFF, 0x4C864F, 0xFBDE6D, 0xA361A9};
    return p;
}

BoardPalette darkPalette() {
    BoardPalette p;
    p.clue = 0x3A3F47;
    p.clueInk = 0xEDEDED;
    p.entry = 0x1E1E1E;
    p.entryInk = 0xF2F2F2;
    p.notesInk = 0xC4C4C4;
    p.grid = 0x6A6A6A;
    p.runShade = 0x2C3440;
    p.shapeInk = 0xF2F2F2;
    p.numbers = 0xA8A8A8;
    p.states[index(SquareState::kSelected)] = 0x945F00;
    p.states[index(SquareState::kDuplicate)] = 0x8B1F00;
    p.states[index(SquareState::kWrongSum)] = 0x83616F;
    p.states[index(SquareState::kHintUsed)] = 0x4C4D6B;
    p.states[index(SquareState::kHintDecided)] = 0x0C6AAB;
    p.states[index(SquareState::kWrongDigit)] = 0x5D0000;
    p.marks = {kBlack, 0x104378, 0x4C704D, 0x6B6E35, 0x6E0D42};
    return p;
}

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

std::string_view schemeName(ColourScheme scheme) {
    switch (scheme) {
        case ColourScheme::kClassic:
            return "klasické";
        case ColourScheme::kColourBlind:
            return "pro barvoslepé";
        case ColourScheme::kDark:
            return "tmavé";
    }
    return "klasické";
}

std::optional<ColourScheme> schemeNamed(std::string_view name) {
    for (const ColourScheme scheme : kColourSchemes)
        if (schemeName(scheme) == name) return scheme;
    return std::nullopt;
}

const BoardPalette& boardPalette(ColourScheme scheme) {
    static const BoardPalette classic = classicPalette();
    static const BoardPalette colourBlind = colourBlindPalette();
    static const BoardPalette dark = darkPalette();
    switch (scheme) {
        case ColourScheme::kColourBlind:
            return colourBlind;
        case ColourScheme::kDark:
            return dark;
        case ColourScheme::kClassic:
            break;
    }
    return classic;
}

Colour fillOf(const BoardPalette& palette, SquareState state, int mark) {
    if (state == SquareState::kPlain) return palette.entry;
    if (state == SquareState::kMark)
        return mark >= 1 && mark <= 4 ? palette.marks[static_cast<std::size_t>(mark)]
                                      : palette.entry;
    return palette.states[index(state)];
}

double relativeLuminance(Colour colour) {
    return 0.2126 * linear((colour >> 16) & 0xFF) + 0.7152 * linear((colour >> 8) & 0xFF) +
           0.0722 * linear(colour & 0xFF);
}

double contrastRatio(Colour a, Colour b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColourScheme schemeOf(const DisplayOptions& options, bool systemDark) {
    if (options.colours) return *options.colours;
    return systemDark ? ColourScheme::kDark : ColourScheme::kClassic;
}

}  // namespace krizovky
