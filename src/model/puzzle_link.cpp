#include "model/puzzle_link.h"

#include <algorithm>
#include <vector>

#include "model/task_reader.h"

namespace krizovky {
namespace {

constexpr int kMaxSum = 45;            // the largest sum a link can carry
constexpr std::size_t kMaxName = 255;  // what a name line keeps
constexpr int kLongestRun = 16;        // plain squares in one letter

// A square inside the clue row and column as the editor sees it.
struct Square {
    bool plain = true;
    int down = 0;  // 0: no sum
    int across = 0;
};

// The editor's grid: its inside squares in reading order and the sums of its
// clue row (down, one per column) and clue column (across, one per row).
struct Grid {
    int cols = 0;
    int rows = 0;
    std::vector<Square> inside;
    std::vector<int> top;
    std::vector<int> left;

    Square& at(int row, int col) { return inside[static_cast<std::size_t>(row * cols + col)]; }
    const Square& at(int row, int col) const {
        return inside[static_cast<std::size_t>(row * cols + col)];
    }
};

ImportResult refused(ImportRefusal refusal, const std::string& why) {
    ImportResult result;
    result.refusal = refusal;
    result.message = why;
    return result;
}

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}
bool isBlank(char ch) {
    return static_cast<unsigned char>(ch) <= ' ';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A puzzle type as the editor names them; anything else is no link at all.
bool isTypeName(std::string_view s) {
    if (s.empty() || s.size() > 30 || !(s[0] >= 'a' && s[0] <= 'z')) return false;
    for (char ch : s)
        if (!(ch >= 'a' && ch <= 'z') && !isDigit(ch)) return false;
    return true;
}

ImportResult otherType(std::string_view type) {
    return refused(ImportRefusal::kOtherType,
                   "Nejde o součtovou křížovku, ale o hádanku typu „" + std::string(type) + "“.");
}

// A grid size of the editor: a positive decimal number; sizes beyond the
// board all count as 1000.
std::optional<int> sizeOf(std::string_view s) {
    if (s.empty()) return std::nullopt;
    int value = 0;
    for (char ch : s) {
        if (!isDigit(ch)) return std::nullopt;
        value = std::min(value * 10 + (ch - '0'), 1000);
    }
    if (value == 0) return std::nullopt;
    return value;
}

std::string sizeText(int cols, int rows) {
    return std::to_string(cols) + " × " + std::to_string(rows);
}

ImportResult tooLarge(int cols, int rows) {
    return refused(ImportRefusal::kTooLarge,
                   "Křížovka je příliš velká: má " + sizeText(cols, rows) +
                       " políček uvnitř řádku a sloupce součtů, hra pojme nejvýš " +
                       sizeText(kMaxLinkSize, kMaxLinkSize) + ".");
}

// A grid of blank squares only: a task of nothing, which no link gives back.
bool isEmpty(const Grid& grid) {
    for (const Square& s : grid.inside)
        if (s.plain || s.down > 0 || s.across > 0) return false;
    return true;
}

// The task of a grid: the board's rows, the offered name and the board.
ImportResult imported(const Grid& grid, const char* kindOfSource) {
    auto token = [&](int r, int c) -> std::string {  // board row and column, 1-based
        if (r > grid.rows + 1 || c > grid.cols + 1 || (r == 1 && c == 1)) return "0";
        if (r == 1) {
            const int down = grid.top[static_cast<std::size_t>(c - 2)];
            return grid.at(0, c - 2).plain && down > 0 ? "0/" + std::to_string(down) : "0";
        }
        if (c == 1) {
            const int across = grid.left[static_cast<std::size_t>(r - 2)];
            return grid.at(r - 2, 0).plain && across > 0 ? std::to_string(across) + "/0" : "0";
        }
        const Square& s = grid.at(r - 2, c - 2);
        if (s.plain) return "2";
        if (s.down == 0 && s.across == 0) return "0";
        return std::to_string(s.across) + "/" + std::to_string(s.down);
    };
    ImportedPuzzle puzzle;
    for (int r = 1; r <= kBoardSize; ++r) {
        for (int c = 1; c <= kBoardSize; ++c)
            puzzle.rows += (c > 1 ? "," : "") + token(r, c);
        puzzle.rows += "\r\n";
    }
    puzzle.name = std::string(kindOfSource) + " " + std::to_string(grid.rows + 1) + "x" +
                  std::to_string(grid.cols + 1);
    readTaskText(taskEntryText("t", puzzle.rows), "t", puzzle.board);
    ImportResult result;
    result.puzzle = std::move(puzzle);
    return result;
}

// --- links -----------------------------------------------------------------

// A value of a link: 0-9, a-j for 10 to 19, A-Z for 20 to 45, "-" for none.
std::optional<int> linkValue(char ch) {
    if (isDigit(ch)) return ch - '0';
    if (ch >= 'a' && ch <= 'j') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'Z') return ch - 'A' + 20;
    if (ch == '-') return 0;
    return std::nullopt;
}

char linkChar(int value) {
    if (value < 10) return static_cast<char>('0' + value);
    if (value < 20) return static_cast<char>('a' + value - 10);
    return static_cast<char>('A' + value - 20);
}

ImportResult damagedLink(const std::string& why) {
    return refused(ImportRefusal::kDamaged, "Odkaz je poškozený: " + why + ".");
}

// The data of a link: the inside squares, then the sums of the clue row and
// column. What follows them is not read.
ImportResult readLinkData(Grid& grid, std::string_view data) {
    std::size_t at = 0;
    auto problem = [&]() {
        if (at >= data.size() || data[at] == '/') return damagedLink("data končí předčasně");
        return damagedLink("nečekaný znak na " + std::to_string(at + 1) + ". místě dat");
    };
    auto value = [&](int& out) {
        if (at >= data.size()) return false;
        auto v = linkValue(data[at]);
        if (!v) return false;
        out = *v;
        ++at;
        return true;
    };
    const std::size_t total = grid.inside.size();
    std::size_t n = 0;
    while (n < total) {
        if (at >= data.size()) return problem();
        const char ch = data[at];
        if (ch >= 'k' && ch <= 'z') {
            const std::size_t run = static_cast<std::size_t>(ch - 'k' + 1);
            if (n + run > total) return damagedLink("řada políček přesahuje mřížku");
            n += run;  // squares are plain unless read otherwise
            ++at;
        } else if (ch == '.') {
            grid.inside[n++] = Square{false, 0, 0};
            ++at;
        } else {
            Square clue{false, 0, 0};
            if (!value(clue.down) || !value(clue.across)) return problem();
            grid.inside[n++] = clue;
        }
    }
    for (int c = 0; c < grid.cols; ++c)
        if (grid.at(0, c).plain && !value(grid.top[static_cast<std::size_t>(c)])) return problem();
    for (int r = 0; r < grid.rows; ++r)
        if (grid.at(r, 0).plain && !value(grid.left[static_cast<std::size_t>(r)])) return problem();
    if (isEmpty(grid)) return damagedLink("křížovka je prázdná");
    return imported(grid, "odkaz");
}

ImportResult importLink(std::string_view link) {
    // The part after the host: the whole text when it begins with a type
    // (or the "m+" of an edit link) and a "/", else what follows the "?".
    std::size_t word = 0;
    while (word < link.size() && ((link[word] >= 'a' && link[word] <= 'z') || isDigit(link[word])))
        ++word;
    const bool bare = word > 0 && word < link.size() && (link[word] == '/' || link[word] == '+');
    std::string_view query = link;
    if (!bare) {
        const std::size_t mark = link.find('?');
        if (mark == std::string_view::npos) return damagedLink("není to odkaz na hádanku");
        query = link.substr(mark + 1);
    }
    if (query.starts_with("m+") || query.starts_with("m/")) query.remove_prefix(2);

    auto part = [&]() {  // the next part up to "/", or the rest
        const std::size_t slash = query.find('/');
        std::string_view p = query.substr(0, slash);
        query = slash == std::string_view::npos ? std::string_view() : query.substr(slash + 1);
        return std::make_pair(p, slash != std::string_view::npos);
    };
    const auto [type, typeEnds] = part();
    if (type != "kakuro") {
        if (typeEnds && isTypeName(type)) return otherType(type);
        return damagedLink("není to odkaz na hádanku");
    }
    const auto [colsText, colsEnd] = part();
    const auto [rowsText, rowsEnd] = part();
    const auto cols = sizeOf(colsText), rows = sizeOf(rowsText);
    if (!colsEnd || !rowsEnd || !cols || !rows) return damagedLink("chybí rozměry mřížky");
    if (*cols > kMaxLinkSize || *rows > kMaxLinkSize) return tooLarge(*cols, *rows);

    Grid grid;
    grid.cols = *cols;
    grid.rows = *rows;
    grid.inside.resize(static_cast<std::size_t>(grid.cols * grid.rows));
    grid.top.resize(static_cast<std::size_t>(grid.cols));
    grid.left.resize(static_cast<std::size_t>(grid.rows));
    return readLinkData(grid, query);
}

// --- the editor's file -----------------------------------------------------

ImportResult damagedFile(const std::string& why) {
    return refused(ImportRefusal::kDamaged, "Soubor pzprv3 je poškozený: " + why + ".");
}

std::vector<std::string_view> itemsOf(std::string_view line) {
    std::vector<std::string_view> items;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && isBlank(line[at]))
            ++at;
        const std::size_t start = at;
        while (at < line.size() && !isBlank(line[at]))
            ++at;
        if (at > start) items.push_back(line.substr(start, at - start));
    }
    return items;
}

// A sum of the file: a decimal number of at most 45.
std::optional<int> fileSum(std::string_view s) {
    if (s.empty() || s.size() > 2) return std::nullopt;
    int value = 0;
    for (char ch : s) {
        if (!isDigit(ch)) return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    if (value > kMaxSum) return std::nullopt;
    return value;
}

ImportResult importFile(std::string_view file) {
    // Its parts, one a line or joined by "/"; empty ones do not count.
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= file.size(); ++at) {
        if (at < file.size() && file[at] != '\n' && file[at] != '/') continue;
        const std::string_view p = trimmed(file.substr(start, at - start));
        if (!p.empty()) parts.push_back(p);
        start = at + 1;
    }
    if (parts.empty() || parts[0] != "pzprv3") return damagedFile("chybí jeho záhlaví");
    if (parts.size() < 2) return damagedFile("chybí typ hádanky");
    if (parts[1] != "kakuro") {
        if (isTypeName(parts[1])) return otherType(parts[1]);
        return damagedFile("chybí typ hádanky");
    }
    const auto rows = parts.size() > 2 ? sizeOf(parts[2]) : std::nullopt;
    const auto cols = parts.size() > 3 ? sizeOf(parts[3]) : std::nullopt;
    if (!rows || !cols) return damagedFile("chybí rozměry mřížky");
    if (*cols > kMaxLinkSize || *rows > kMaxLinkSize) return tooLarge(*cols, *rows);

    Grid grid;
    grid.cols = *cols;
    grid.rows = *rows;
    grid.inside.resize(static_cast<std::size_t>(grid.cols * grid.rows));
    grid.top.resize(static_cast<std::size_t>(grid.cols));
    grid.left.resize(static_cast<std::size_t>(grid.rows));
    for (int r = 0; r <= grid.rows; ++r) {
        const std::size_t index = static_cast<std::size_t>(r) + 4;
        const std::string lineText = std::to_string(index + 1) + ". řádku";
        if (index >= parts.size())
            return damagedFile("chybí " + std::to_string(index + 1) + ". řádek");
        const auto items = itemsOf(parts[index]);
        if (items.size() != static_cast<std::size_t>(grid.cols) + 1)
            return damagedFile("na " + lineText + " je jiný počet položek než " +
                               std::to_string(grid.cols + 1));
        for (int c = 0; c <= grid.cols; ++c) {
            const std::string_view item = items[static_cast<std::size_t>(c)];
            std::optional<int> sum;
            if (r == 0 || c == 0) {
                sum = fileSum(item);  // the corner's too, though it is not kept
                if (sum && r == 0 && c > 0) grid.top[static_cast<std::size_t>(c - 1)] = *sum;
                if (sum && c == 0 && r > 0) grid.left[static_cast<std::size_t>(r - 1)] = *sum;
            } else if (item == ".") {
                continue;
            } else {
                const std::size_t comma = item.find(',');
                const auto across = fileSum(item.substr(0, comma));
                const auto down = comma == std::string_view::npos ? std::nullopt
                                                                  : fileSum(item.substr(comma + 1));
                if (across && down) {
                    grid.at(r - 1, c - 1) = Square{false, *down, *across};
                    sum = 0;
                }
            }
            if (!sum)
                return damagedFile("chybná položka " + std::to_string(c + 1) + " na " + lineText);
        }
    }
    if (isEmpty(grid)) return damagedFile("křížovka je prázdná");
    return imported(grid, "soubor");
}

// --- writing -----------------------------------------------------------------

bool blankLike(const Cell& cell) {
    return cell.kind == kBlank || (cell.kind == kClue && cell.acrossSum == 0 && cell.downSum == 0);
}

// The grid of the board's task, or why the editor cannot hold it.
std::optional<Grid> gridOf(const Board& board, const std::string& refusal, std::string& message) {
    auto where = [](int r, int c) {
        return "na řádku " + std::to_string(r) + " a sloupci " + std::to_string(c);
    };
    auto cannot = [&](const std::string& why) {
        message = refusal + why + ".";
        return std::nullopt;
    };
    int lastRow = 0, lastCol = 0;
    for (int r = 1; r <= kBoardSize; ++r) {
        for (int c = 1; c <= kBoardSize; ++c) {
            const Cell& cell = board.at(r, c);
            if (cell.kind > kEntry) return cannot("políčko " + where(r, c) + " je neznámého druhu");
            if (blankLike(cell)) continue;
            lastRow = std::max(lastRow, r);
            lastCol = std::max(lastCol, c);
            if (cell.kind == kClue && std::max(cell.acrossSum, cell.downSum) > kMaxSum)
                return cannot("součet " + std::to_string(std::max(cell.acrossSum, cell.downSum)) +
                              " " + where(r, c) + " je větší než 45");
            if (r > 1 && c > 1) continue;
            // The clue row holds only down sums over an entry square, the
            // clue column only across sums before one.
            const bool writable =
                cell.kind == kClue &&
                ((r == 1 && c > 1 && cell.acrossSum == 0 && board.at(2, c).kind == kEntry) ||
                 (c == 1 && r > 1 && cell.downSum == 0 && board.at(r, 2).kind == kEntry));
            if (!writable) return cannot("políčko " + where(r, c) + " do něj zapsat nejde");
        }
    }
    if (lastRow < 2 || lastCol < 2) return cannot("úloha je prázdná");

    Grid grid;
    grid.rows = lastRow - 1;
    grid.cols = lastCol - 1;
    for (int r = 2; r <= lastRow; ++r)
        for (int c = 2; c <= lastCol; ++c) {
            const Cell& cell = board.at(r, c);
            // A blank square may still hold the sums of a clue that stood
            // there in the game's previous task: they are no part of this one.
            if (cell.kind == kEntry)
                grid.inside.push_back(Square{});
            else if (cell.kind == kClue)
                grid.inside.push_back(Square{false, cell.downSum, cell.acrossSum});
            else
                grid.inside.push_back(Square{false, 0, 0});
        }
    for (int c = 2; c <= lastCol; ++c)
        grid.top.push_back(board.at(1, c).kind == kClue ? board.at(1, c).downSum : 0);
    for (int r = 2; r <= lastRow; ++r)
        grid.left.push_back(board.at(r, 1).kind == kClue ? board.at(r, 1).acrossSum : 0);
    return grid;
}

}  // namespace

ImportResult importPuzzle(std::string_view input) {
    std::string_view text = input;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte order mark
    text = trimmed(text);
    if (text.starts_with("pzprv3")) return importFile(text);
    return importLink(text);
}

std::string taskEntryText(std::string_view name, std::string_view rows) {
    std::string entry = "@";
    entry += name;
    entry += "\r\n";
    entry += rows;
    return entry;
}

bool isTaskName(std::string_view name) {
    if (name.empty() || name.size() > kMaxName) return false;
    for (char ch : name)
        if (static_cast<unsigned char>(ch) < ' ' || ch == '\x7F') return false;
    return true;
}

ExportResult exportLink(const Board& board) {
    ExportResult result;
    const auto grid = gridOf(board, "Úlohu nelze zapsat jako odkaz: ", result.message);
    if (!grid) return result;
    std::string data;
    int run = 0;
    auto endRun = [&]() {
        for (; run > 0; run -= std::min(run, kLongestRun))
            data += static_cast<char>('k' + std::min(run, kLongestRun) - 1);
    };
    for (const Square& s : grid->inside) {
        if (s.plain) {
            ++run;
            continue;
        }
        endRun();
        if (s.down == 0 && s.across == 0)
            data += '.';
        else
            data += {linkChar(s.down), linkChar(s.across)};
    }
    endRun();
    for (int c = 0; c < grid->cols; ++c)
        if (grid->at(0, c).plain) data += linkChar(grid->top[static_cast<std::size_t>(c)]);
    for (int r = 0; r < grid->rows; ++r)
        if (grid->at(r, 0).plain) data += linkChar(grid->left[static_cast<std::size_t>(r)]);
    result.text = "https://puzz.link/p?kakuro/" + std::to_string(grid->cols) + "/" +
                  std::to_string(grid->rows) + "/" + data;
    return result;
}

ExportResult exportPzprv3(const Board& board) {
    ExportResult result;
    const auto grid = gridOf(board, "Úlohu nelze zapsat jako soubor pzprv3: ", result.message);
    if (!grid) return result;
    std::string& out = result.text;
    out = "pzprv3\r\nkakuro\r\n" + std::to_string(grid->rows) + "\r\n" +
          std::to_string(grid->cols) + "\r\n0 ";
    for (int down : grid->top)
        out += std::to_string(down) + " ";
    out += "\r\n";
    for (int r = 0; r < grid->rows; ++r) {
        out += std::to_string(grid->left[static_cast<std::size_t>(r)]) + " ";
        for (int c = 0; c < grid->cols; ++c) {
            const Square& s = grid->at(r, c);
            out += s.plain ? "." : std::to_string(s.across) + "," + std::to_string(s.down);
            out += " ";
        }
        out += "\r\n";
    }
    for (int r = 2; r <= grid->rows + 1; ++r) {
        for (int c = 2; c <= grid->cols + 1; ++c) {
            const Cell& cell = board.at(r, c);
            const bool digit = cell.kind == kEntry && cell.digit >= 1 && cell.digit <= 9;
            out += digit ? static_cast<char>('0' + cell.digit) : '.';
            out += ' ';
        }
        out += "\r\n";
    }
    return result;
}

}  // namespace krizovky
