#include "app/square_description.h"

namespace krizovky {
namespace {

std::string clueText(const PictureSquare& square) {
    if (square.acrossSum == 0 && square.downSum == 0) return "černé pole";
    std::string text = "součet";
    if (square.acrossSum > 0) text += " doprava " + std::to_string(square.acrossSum);
    if (square.acrossSum > 0 && square.downSum > 0) text += ",";
    if (square.downSum > 0) text += " dolů " + std::to_string(square.downSum);
    return text;
}

std::string entryText(const PictureSquare& square) {
    if (square.digit >= 1 && square.digit <= 9) return std::to_string(square.digit);
    std::string notes;
    for (int d = 1; d <= 9; ++d)
        if (square.notes & digitBit(d)) notes += (notes.empty() ? "" : " ") + std::to_string(d);
    return notes.empty() ? "prázdné" : "prázdné, poznámky " + notes;
}

// What the square's colour says; the selected square's red is the focus a
// screen reader has already.
std::string stateText(const PictureSquare& square) {
    switch (square.state) {
        case SquareState::kDuplicate:
            return ", duplikátní číslo";
        case SquareState::kWrongSum:
            return ", chybný součet";
        case SquareState::kMark:
            return ", značka " + std::to_string(square.mark);
        case SquareState::kHintUsed:
            return ", v úvaze dalšího kroku";
        case SquareState::kHintDecided:
            return ", rozhodne další krok";
        case SquareState::kWrongDigit:
            return ", chyba";
        case SquareState::kPlain:
        case SquareState::kSelected:
            break;
    }
    // A printed game's wrong digit has no screen colour.
    return square.wrong ? ", chyba" : "";
}

}  // namespace

std::string squareDescription(const PictureSquare& square, int row, int column) {
    const std::string place =
        "řádek " + std::to_string(row) + ", sloupec " + std::to_string(column) + ", ";
    switch (square.kind) {
        case PictureKind::kBlank:
            return place + "prázdné pole";
        case PictureKind::kClue:
            return place + clueText(square);
        case PictureKind::kEntry:
            return place + entryText(square) + stateText(square);
    }
    return place;
}

}  // namespace krizovky
