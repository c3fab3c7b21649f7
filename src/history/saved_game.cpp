#include "history/saved_game.h"

#include <optional>

namespace krizovky {
namespace {

void put16(std::string& out, std::size_t at, unsigned value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

unsigned byteAt(std::string_view in, std::size_t at) {
    return static_cast<unsigned char>(in[at]);
}
unsigned get16(std::string_view in, std::size_t at) {
    return byteAt(in, at) | byteAt(in, at + 1) << 8;
}

std::size_t cellOffset(int row, int column) {
    return kSavedCellsOffset + kSavedCellSize * (kBoardSize * (row - 1) + column - 1);
}

std::string square(int row, int column) {
    return "(" + std::to_string(row) + ", " + std::to_string(column) + ")";
}

}  // namespace

std::string encodeSavedGame(const Board& board, const MoveHistory& history,
                            const SavedGameExtras& extras) {
    std::string out(kSavedGameSize, '\0');
    out[0] = static_cast<char>(board.rowCount);
    out[1] = static_cast<char>(board.colCount);
    put16(out, 2, static_cast<unsigned>(history.moveCount));
    put16(out, 4, static_cast<unsigned>(history.markCount));
    for (int k = 1; k <= kMoveSlots; ++k) {
        const Move& m = history.move(k);
        const std::size_t at = kSavedMovesOffset + 5 * (k - 1);
        out[at] = static_cast<char>(m.row);
        out[at + 1] = static_cast<char>(m.col);
        out[at + 2] = static_cast<char>(m.byPlayer);
        out[at + 3] = static_cast<char>(m.prevDigit);
        out[at + 4] = static_cast<char>(m.spare);
    }
    for (int r = 1; r <= kBoardSize; ++r) {
        for (int c = 1; c <= kBoardSize; ++c) {
            const Cell& cell = board.at(r, c);
            const std::size_t at = cellOffset(r, c);  // bytes 0..3: the square, nothing in a file
            out[at + 4] = static_cast<char>(cell.kind);
            out[at + 5] = static_cast<char>(cell.digit);
            out[at + 6] = static_cast<char>(cell.acrossSum);
            out[at + 7] = static_cast<char>(cell.downSum);
            put16(out, at + 8, cell.downUsed);
            put16(out, at + 10, cell.acrossUsed);
            out[at + 12] = static_cast<char>(cell.mark);
            out[at + 13] = static_cast<char>(cell.downClueRow);
            out[at + 14] = static_cast<char>(cell.acrossClueCol);
        }
    }
    out[8806] = static_cast<char>(board.prevRowCount);
    out[8807] = static_cast<char>(board.prevColCount);
    return out + encodeExtensionBlock(extras);
}

BoardNotes notesOfBoard(const Board& board) {
    SavedGameExtras extras;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            if (board.at(r, c).kind == kEntry) extras.notesAt(r, c) = board.at(r, c).notes;
    return extras.notes;
}

void putNotesOnBoard(Board& board, const BoardNotes& notes) {
    SavedGameExtras extras;
    extras.notes = notes;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            board.at(r, c).notes = board.at(r, c).kind == kEntry ? extras.notesAt(r, c) : 0;
}

namespace {

// The parts of the layout, each read into game; the reason a part is not
// sound, or nothing.
std::optional<std::string> decodeCounts(std::string_view in, SavedGame& game) {
    struct Count {
        const char* what;
        unsigned value;
        unsigned most;
    };
    const Count counts[] = {
        {"počet řádků", byteAt(in, 0), kBoardSize},
        {"počet sloupců", byteAt(in, 1), kBoardSize},
        {"počet tahů", get16(in, 2), kMoveSlots},
        {"počet značek", get16(in, 4), 4},
        {"předchozí počet řádků", byteAt(in, 8806), kBoardSize},
        {"předchozí počet sloupců", byteAt(in, 8807), kBoardSize},
    };
    for (const Count& count : counts)
        if (count.value > count.most)
            return std::string(count.what) + " " + std::to_string(count.value) + " je větší než " +
                   std::to_string(count.most);

    game.board.rowCount = static_cast<std::uint8_t>(byteAt(in, 0));
    game.board.colCount = static_cast<std::uint8_t>(byteAt(in, 1));
    game.moveCount = static_cast<int>(get16(in, 2));
    game.markCount = static_cast<int>(get16(in, 4));
    game.board.prevRowCount = static_cast<std::uint8_t>(byteAt(in, 8806));
    game.board.prevColCount = static_cast<std::uint8_t>(byteAt(in, 8807));
    return std::nullopt;
}

std::optional<std::string> decodeMoves(std::string_view in, SavedGame& game) {
    for (int k = 1; k <= kMoveSlots; ++k) {
        const std::size_t at = kSavedMovesOffset + 5 * (k - 1);
        Move& m = game.moves[k];
        m.row = static_cast<std::uint8_t>(byteAt(in, at));
        m.col = static_cast<std::uint8_t>(byteAt(in, at + 1));
        m.byPlayer = static_cast<std::uint8_t>(byteAt(in, at + 2));
        m.prevDigit = static_cast<std::uint8_t>(byteAt(in, at + 3));
        m.spare = static_cast<std::uint8_t>(byteAt(in, at + 4));
        // Slots above the count are leftovers: whatever they hold is never used.
        if (k > game.moveCount) continue;
        if (!Board::onBoard(m.row, m.col))
            return "tah " + std::to_string(k) + " míří mimo plochu " + square(m.row, m.col);
        if (m.byPlayer > 1 || m.prevDigit > 9)
            return "tah " + std::to_string(k) + " má neplatné údaje";
    }
    return std::nullopt;
}

std::optional<std::string> decodeCells(std::string_view in, SavedGame& game) {
    for (int r = 1; r <= kBoardSize; ++r) {
        for (int c = 1; c <= kBoardSize; ++c) {
            const std::size_t at = cellOffset(r, c);
            Cell& cell = game.board.at(r, c);
            cell.kind = static_cast<std::uint8_t>(byteAt(in, at + 4));
            cell.digit = static_cast<std::uint8_t>(byteAt(in, at + 5));
            cell.acrossSum = static_cast<std::uint8_t>(byteAt(in, at + 6));
            cell.downSum = static_cast<std::uint8_t>(byteAt(in, at + 7));
            cell.downUsed = static_cast<DigitSet>(get16(in, at + 8));
            cell.acrossUsed = static_cast<DigitSet>(get16(in, at + 10));
            cell.mark = static_cast<std::uint8_t>(byteAt(in, at + 12));
            cell.downClueRow = static_cast<std::uint8_t>(byteAt(in, at + 13));
            cell.acrossClueCol = static_cast<std::uint8_t>(byteAt(in, at + 14));
            if (cell.digit > 9)
                return "políčko " + square(r, c) + " má číslici " + std::to_string(cell.digit);
            if (cell.mark > 4)
                return "políčko " + square(r, c) + " má značku " + std::to_string(cell.mark);
            if (cell.downClueRow > kBoardSize || cell.acrossClueCol > kBoardSize)
                return "políčko " + square(r, c) + " odkazuje na zadání mimo plochu";
        }
    }
    return std::nullopt;
}

// A board without an entry square is no game: nothing could be written on it.
std::optional<std::string> decodeEntries(std::string_view, SavedGame& game) {
    for (int r = 1; r <= game.board.rowCount; ++r)
        for (int c = 1; c <= game.board.colCount; ++c)
            if (game.board.at(r, c).kind == kEntry) return std::nullopt;
    return std::string("plocha nemá žádné políčko pro cifru");
}

}  // namespace

bool decodeSavedGame(std::string_view in, SavedGame& game, std::string& problem) {
    if (in.size() < kSavedGameSize ||
        (in.size() > kSavedGameSize && !startsExtensionBlock(in.substr(kSavedGameSize)))) {
        problem = "má " + std::to_string(in.size()) + " bajtů místo 8812";
        return false;
    }
    if (!decodeExtensionBlock(in.substr(kSavedGameSize), game.extras, problem)) return false;
    for (auto part : {decodeCounts, decodeMoves, decodeCells, decodeEntries}) {
        if (auto why = part(in, game)) {
            problem = *why;
            return false;
        }
    }
    putNotesOnBoard(game.board, game.extras.notes);
    return true;
}

}  // namespace krizovky
