// What a game's picture says of its squares' states, and the colour schemes:
// readable digits on every fill, and in "pro barvoslepé" fills that stay
// apart for the three common kinds of colour blindness.
#include "app/board_palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "support/task_text.h"

namespace krizovky {
namespace {

using testing::boardOf;

TEST(BoardStatesTest, APicturesSquaresSayTheirStateTheSelectionAndItsRuns) {
    // Row 2 has a run of three across, column 3 one of two down.
    Board board = boardOf({"0,0,0/4,0/3", "6/0,2,2,2", "0,3/0,2,0"});
    MainScreen screen;
    const struct {
        int row, column;
        Colour colour;
        SquareState state;
        int mark;
    } squares[] = {
        {2, 2, kRed, SquareState::kSelected, 0},
        {2, 3, kOlive, SquareState::kDuplicate, 0},
        {2, 4, kGray, SquareState::kWrongSum, 0},
        {3, 3, kLime, SquareState::kMark, 2},
    };
    for (const auto& s : squares) {
        SquareLook& look = screen.square(s.row, s.column);
        look.exists = look.visible = true;
        look.background = s.colour;
    }
    screen.selectedRow = 2;
    screen.selectedColumn = 3;

    const BoardPicture picture = pictureOfGame(board, &screen);
    for (const auto& s : squares) {
        SCOPED_TRACE(::testing::Message() << s.row << "," << s.column);
        EXPECT_EQ(picture.at(s.row, s.column).state, s.state);
        EXPECT_EQ(picture.at(s.row, s.column).mark, s.mark);
    }
    EXPECT_TRUE(picture.at(2, 3).selected);
    EXPECT_FALSE(picture.at(2, 2).selected) << "red is not the selection of the modern look";
    for (const auto& [r, c] : {std::pair{2, 2}, {2, 3}, {2, 4}, {3, 3}})
        EXPECT_TRUE(picture.at(r, c).inSelectedRun) << r << "," << c;
    EXPECT_FALSE(picture.at(1, 3).inSelectedRun) << "the clue square ends the run";

    // Every colour the game paints an entry square says one state.
    for (const auto& [colour, state] : {std::pair{kSkyBlue, SquareState::kHintUsed},
                                        {kBlue, SquareState::kHintDecided},
                                        {kPink, SquareState::kWrongDigit},
                                        {kYellow, SquareState::kPlain}})
        EXPECT_EQ(stateOfColour(colour, screen.swatchColour).state, state);
    for (int m = 1; m <= 4; ++m)
        EXPECT_EQ(
            stateOfColour(screen.swatchColour[static_cast<std::size_t>(m)], screen.swatchColour)
                .mark,
            m);

    // The solver's search selects no square of the player's.
    screen.solverClock = true;
    const BoardPicture solving = pictureOfGame(board, &screen);
    EXPECT_FALSE(solving.at(2, 3).selected);
    EXPECT_FALSE(solving.at(2, 2).inSelectedRun);
}

std::vector<Colour> entryFills(const BoardPalette& palette) {
    std::vector<Colour> fills{palette.entry, palette.runShade};
    for (const SquareState state :
         {SquareState::kSelected, SquareState::kDuplicate, SquareState::kWrongSum,
          SquareState::kHintUsed, SquareState::kHintDecided, SquareState::kWrongDigit})
        fills.push_back(fillOf(palette, state, 0));
    for (int m = 1; m <= 4; ++m)
        fills.push_back(fillOf(palette, SquareState::kMark, m));
    return fills;
}

TEST(ColourSchemesTest, DigitsNotesAndShapesAreReadableOnEveryFill) {
    EXPECT_NEAR(contrastRatio(kBlack, kWhite), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(kGray, kGray), 1.0, 1e-9);
    for (const ColourScheme scheme : kColourSchemes) {
        SCOPED_TRACE(std::string(schemeName(scheme)));
        const BoardPalette& palette = boardPalette(scheme);
        EXPECT_GE(contrastRatio(palette.clueInk, palette.clue), 4.5);
        EXPECT_GE(contrastRatio(palette.notesInk, palette.entry), 4.5);
        EXPECT_GE(contrastRatio(palette.notesInk, palette.runShade), 4.5);
        // Text wants 4.5, a frame or a hatching 3.
        for (const Colour fill : entryFills(palette)) {
            EXPECT_GE(contrastRatio(palette.entryInk, fill), 4.5) << std::hex << fill;
            EXPECT_GE(contrastRatio(palette.shapeInk, fill), 3.0) << std::hex << fill;
        }
        EXPECT_GE(contrastRatio(palette.grid, palette.entry), 3.0);
        EXPECT_EQ(schemeNamed(schemeName(scheme)), scheme);
    }
    EXPECT_EQ(schemeNamed("modré"), std::nullopt);
}

// Simulated colour vision (Machado, Oliveira and Fernandes 2009, full
// severity) on linear RGB, and the CIELAB distance of two colours.
using Matrix = std::array<std::array<double, 3>, 3>;
constexpr Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                              {0.114503, 0.786281, 0.099216},
                              {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                                {0.280085, 0.672501, 0.047413},
                                {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia{{{1.255528, -0.076749, -0.178779},
                              {-0.078411, 0.930809, 0.147602},
                              {0.004733, 0.691367, 0.303900}}};
constexpr Matrix kNormal{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

std::array<double, 3> seen(Colour colour, const Matrix& vision) {
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const std::array<double, 3> rgb{linear((colour >> 16) & 0xFF), linear((colour >> 8) & 0xFF),
                                    linear(colour & 0xFF)};
    std::array<double, 3> out{};
    for (int i = 0; i < 3; ++i) {
        double sum = 0;
        for (int j = 0; j < 3; ++j)
            sum += vision[i][j] * rgb[j];
        out[i] = std::clamp(sum, 0.0, 1.0);
    }
    return out;
}

std::array<double, 3> lab(const std::array<double, 3>& rgb) {
    const double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
    const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    const double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// The smallest distance of two of the fills a square shows at once.
double closestFills(const BoardPalette& palette, const Matrix& vision) {
    std::vector<Colour> fills = entryFills(palette);
    fills.erase(fills.begin() + 1);  // the run shade is the plain square's, lighter
    double closest = 1e9;
    for (std::size_t i = 0; i < fills.size(); ++i)
        for (std::size_t j = i + 1; j < fills.size(); ++j) {
            const auto a = lab(seen(fills[i], vision)), b = lab(seen(fills[j], vision));
            closest = std::min(closest, std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]));
        }
    return closest;
}

TEST(ColourSchemesTest, TheColourBlindSchemeKeepsItsFillsApartForEveryKindOfVision) {
    const BoardPalette& safe = boardPalette(ColourScheme::kColourBlind);
    const BoardPalette& classic = boardPalette(ColourScheme::kClassic);
    for (const Matrix* vision : {&kNormal, &kProtanopia, &kDeuteranopia, &kTritanopia})
        EXPECT_GE(closestFills(safe, *vision), 20.0);
    // The classic colours are what the scheme is for: green and yellow meet.
    EXPECT_LT(closestFills(classic, kProtanopia), 10.0);
}

TEST(ColourSchemesTest, TheSystemsDarkModeDecidesUntilThePlayerChooses) {
    DisplayOptions options;
    EXPECT_EQ(schemeOf(options, false), ColourScheme::kClassic);
    EXPECT_EQ(schemeOf(options, true), ColourScheme::kDark);
    options.colours = ColourScheme::kColourBlind;
    EXPECT_EQ(schemeOf(options, true), ColourScheme::kColourBlind);
}

}  // namespace
}  // namespace krizovky
