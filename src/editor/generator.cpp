#include "editor/generator.h"

#include <array>
#include <cstdint>
#include <optional>

#include "editor/random.h"

namespace krizovky {
namespace {

bool isHexDigit(char ch) {
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

int hexValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    return ch - 'A' + 10;
}

// The whole number a text of at most five characters reads as, or nothing.
std::optional<long> readTaskNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;
    long value = 0;
    for (; i < text.size(); ++i) {
        const char ch = text[i];
        if (base == 10 ? !(ch >= '0' && ch <= '9') : !isHexDigit(ch)) return std::nullopt;
        value = value * base + hexValue(ch);
    }
    return negative ? -value : value;
}

enum class CellClass { kDigit, kOpen, kStop, kOther };

CellClass classOf(const std::string& text) {
    if (text.empty() || text == " ") return CellClass::kOpen;
    const char first = text[0];
    if (first >= '1' && first <= '9') return CellClass::kDigit;
    if (first == '/' || first == 'x' || first == 'X') return CellClass::kStop;
    return CellClass::kOther;
}

// The value of a digit cell: its leading number, modulo 256.
int digitOf(const std::string& text) {
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') break;
        value = (value * 10 + (ch - '0')) % 256;
    }
    return value;
}

// The bit of a value in a digit set; values above 15 have none.
std::uint16_t bitOf(int value) {
    return value <= 15 ? static_cast<std::uint16_t>(1u << value) : 0;
}

struct Taken {
    std::uint16_t across = 0;
    std::uint16_t down = 0;
};
using TakenDigits = std::array<std::array<Taken, kEditorSize + 1>, kEditorSize + 1>;

// Visits the cells within 9 squares of (column, row) in the four directions,
// up to the grid's edge or a stop cell, with visit(cell's sets, across).
// Returns false as soon as visit does.
template <typename Visit>
bool walk(const EditorGrid& grid, TakenDigits& taken, int column, int row, Visit visit) {
    static constexpr int dc[4] = {-1, 1, 0, 0};
    static constexpr int dr[4] = {0, 0, -1, 1};
    bool open[4] = {true, true, true, true};
    for (int distance = 1; distance <= 9; ++distance) {
        for (int d = 0; d < 4; ++d) {
            if (!open[d]) continue;
            const int c = column + dc[d] * distance;
            const int r = row + dr[d] * distance;
            if (!EditorGrid::contains(c, r) || classOf(grid.at(c, r)) == CellClass::kStop) {
                open[d] = false;
                continue;
            }
            if (!visit(taken[c][r], d < 2)) return false;
        }
        if (!open[0] && !open[1] && !open[2] && !open[3]) break;
    }
    return true;
}

}  // namespace

bool setTaskNumber(GeneratorState& state, std::string_view text) {
    state.taskNumberText = std::string(text.substr(0, 5));
    std::optional<long> value = readTaskNumber(state.taskNumberText);
    const bool good = value && *value >= 0;
    if (!good) {
        state.taskNumberText = "1";
        value = 1;
    }
    state.generationCount = 0;
    state.randomSeed = static_cast<std::uint32_t>(2 * *value + 1);
    return good;
}

long taskNumberValue(const GeneratorState& state) {
    return readTaskNumber(state.taskNumberText).value_or(1);
}

FillResult fillDigits(EditorGrid& grid, std::uint32_t& randomSeed) {
    TakenDigits taken{};
    for (int r = 1; r <= kEditorSize; ++r) {
        for (int c = 1; c <= kEditorSize; ++c) {
            if (classOf(grid.at(c, r)) != CellClass::kDigit) continue;
            const std::uint16_t bit = bitOf(digitOf(grid.at(c, r)));
            bool duplicate = ((taken[c][r].across | taken[c][r].down) & bit) != 0;
            if (!duplicate)
                duplicate = !walk(grid, taken, c, r, [bit](Taken& t, bool across) {
                    std::uint16_t& set = across ? t.across : t.down;
                    if (set & bit) return false;
                    set |= bit;
                    return true;
                });
            if (duplicate) return FillResult{false, r, c};
        }
    }
    for (int r = 1; r <= kEditorSize; ++r) {
        for (int c = 1; c <= kEditorSize; ++c) {
            if (classOf(grid.at(c, r)) != CellClass::kOpen) continue;
            const std::uint16_t used = taken[c][r].across | taken[c][r].down;
            const int first = nextRandom(randomSeed, 9) + 1;
            int d = first;
            while (used & bitOf(d)) {
                d = d % 9 + 1;
                if (d == first) return FillResult{};
            }
            grid.at(c, r) = std::string(1, static_cast<char>('0' + d));
            const std::uint16_t bit = bitOf(d);
            walk(grid, taken, c, r, [bit](Taken& t, bool across) {
                (across ? t.across : t.down) |= bit;
                return true;
            });
        }
    }
    return FillResult{true, 0, 0};
}

std::string duplicateMessage(int row, int column) {
    return "Na poli " + std::to_string(row) + "/" + std::to_string(column) +
           " je duplikátní číslo ";
}

bool fillWithRetries(EditorGrid& grid, std::uint32_t& randomSeed,
                     const std::function<void(const std::string&)>& report) {
    for (int attempt = 1; attempt <= 10; ++attempt) {
        const FillResult result = fillDigits(grid, randomSeed);
        if (result.filled) return true;
        if (result.duplicateRow != 0 && report)
            report(duplicateMessage(result.duplicateRow, result.duplicateColumn));
    }
    return false;
}

void computeSums(EditorGrid& grid) {
    auto digitValue = [&grid](int c, int r) {
        const std::string& t = grid.at(c, r);
        return !t.empty() && t[0] >= '1' && t[0] <= '9' ? t[0] - '0' : 0;
    };
    for (int c = 1; c <= kEditorSize; ++c) {
        for (int r = 1; r <= kEditorSize; ++r) {
            if (grid.at(c, r) != "/") continue;
            int across = 0;
            for (int k = c + 1; k <= kEditorSize && digitValue(k, r) != 0; ++k)
                across += digitValue(k, r);
            int down = 0;
            for (int k = r + 1; k <= kEditorSize && digitValue(c, k) != 0; ++k)
                down += digitValue(c, k);
            grid.at(c, r) = std::to_string(across) + "/" + std::to_string(down);
        }
    }
}

}  // namespace krizovky
