#include "model/task_reader.h"

#include <algorithm>

#include "model/errors.h"
#include "model/file_layer.h"
#include "model/text.h"

namespace krizovky {
namespace {

constexpr std::size_t kMaxRowLine = 254;  // the parser appends "," and a line holds 255
constexpr int kByteMax = 255;
constexpr std::size_t kMaxName = 255;
constexpr unsigned kSaturated = 1000;  // any value above kByteMax is out of range alike

enum class Mode { kPlain, kAfterSlash, kRepeat };

std::uint8_t checkedByte(unsigned value) {
    if (value > kByteMax) throw RunError(kRangeCheckError);
    return static_cast<std::uint8_t>(value);
}

}  // namespace

bool isNameLine(std::string_view line) {
    return !line.empty() && line.front() == '@';
}

std::string nameOfLine(std::string_view line) {
    return std::string(line.substr(1, kMaxName));
}

void parseRowLine(std::string_view line, int n, Board& board) {
    if (line.size() > kMaxRowLine) throw RunError(kRangeCheckError);
    unsigned buffer = 0;  // an empty buffer is 0
    Mode mode = Mode::kPlain;
    int col = 1;
    std::uint8_t repeatKind = 0;
    auto handle = [&](char ch) {
        if (ch >= '0' && ch <= '9') {
            buffer = std::min(buffer * 10 + static_cast<unsigned>(ch - '0'), kSaturated);
        } else if (ch == '/') {
            if (Board::onBoard(n, col)) board.at(n, col).acrossSum = checkedByte(buffer);
            mode = Mode::kAfterSlash;
            buffer = 0;
        } else if (ch == '*') {
            repeatKind = checkedByte(buffer);
            mode = Mode::kRepeat;
            buffer = 0;
        } else if (ch == ',') {
            switch (mode) {
                case Mode::kPlain:
                    if (Board::onBoard(n, col)) board.at(n, col).kind = checkedByte(buffer);
                    break;
                case Mode::kAfterSlash:
                    if (Board::onBoard(n, col)) {
                        Cell& cell = board.at(n, col);
                        cell.downSum = checkedByte(buffer);
                        cell.kind = kClue;
                    }
                    break;
                case Mode::kRepeat: {
                    int count = checkedByte(buffer);
                    if (n >= 1 && n <= kBoardSize && col >= 1 && count >= 1) {
                        for (int k = 1; k <= count; ++k) {
                            int c = col + k - 1;
                            if (c <= board.colCount && c <= kBoardSize)
                                board.at(n, c).kind = repeatKind;
                        }
                    }
                    if (col + count - 1 > kByteMax) throw RunError(kRangeCheckError);
                    col += count - 1;
                    break;
                }
            }
            mode = Mode::kPlain;
            buffer = 0;
            if (++col > kByteMax) throw RunError(kIntegerOverflow);
        }
        // every other character carries no meaning
    };
    for (char ch : line)
        handle(ch);
    handle(',');
}

namespace {

// Reads the task called name from the lines that next gives one by one.
template <typename NextLine>
bool readTaskFrom(NextLine next, std::string_view name, Board& board, const RowProgress& progress) {
    board.setAllKinds(kEntry);
    board.rowCount = kBoardSize;
    board.colCount = kBoardSize;
    std::string_view line;
    bool found = false;
    // A name line is never blank; its name is compared where it stands, as
    // a file of many tasks has many names to pass.
    while (!found && next(line))
        found = isNameLine(line) && line.substr(1, kMaxName) == name;
    if (!found) return false;
    int n = 1;
    while (next(line)) {
        if (isBlankLine(line)) continue;
        if (isNameLine(line)) break;
        parseRowLine(line, n, board);
        if (progress) progress(n);
        if (++n > kByteMax) throw RunError(kIntegerOverflow);
    }
    return true;
}

}  // namespace

bool readTaskLines(const std::vector<std::string>& lines, std::string_view name, Board& board,
                   const RowProgress& progress) {
    auto line = lines.begin();
    auto next = [&](std::string_view& out) {
        if (line == lines.end()) return false;
        out = *line++;
        return true;
    };
    return readTaskFrom(next, name, board, progress);
}

bool readTaskText(std::string_view text, std::string_view name, Board& board,
                  const RowProgress& progress) {
    LineCursor cursor(text);
    return readTaskFrom([&](std::string_view& out) { return cursor.next(out); }, name, board,
                        progress);
}

std::string readTaskFile(const std::string& path) {
    return windows1250Text(readFileBytes(path));
}

std::string readTaskFile(Storage& storage, Place place, const std::string& name) {
    return windows1250Text(storage.read(place, name));
}

bool readTask(Storage& storage, Place place, const std::string& file, std::string_view name,
              Board& board, const RowProgress& progress) {
    return readTaskText(readTaskFile(storage, place, file), name, board, progress);
}

bool readTask(const std::string& path, std::string_view name, Board& board,
              const RowProgress& progress) {
    return readTaskText(readTaskFile(path), name, board, progress);
}

}  // namespace krizovky
