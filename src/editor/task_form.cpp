#include "editor/task_form.h"

#include <charconv>

#include "model/task_reader.h"
#include "model/text.h"
#include "model/text_services.h"

namespace krizovky {
namespace {

bool isBlankCell(const std::string& text) {
    return text == "x" || text == "X";
}

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// The name of a task as a replacing save reads it from an "@" line.
std::string_view savedNameOfLine(std::string_view line) {
    return line.substr(1, 20);
}

// The capitals of a Windows-1250 name, as UTF-8. Without text services only
// the letters of ASCII have capitals.
std::string capitals(std::string_view cp1250) {
    const std::string utf8 = utf8FromCp1250(cp1250);
    if (const TextServices* services = textServices()) return services->capitals(utf8);
    std::string upper = utf8;
    for (char& ch : upper)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return upper;
}

}  // namespace

std::string keepDigitsAndSlashes(std::string_view text) {
    std::string kept;
    for (char ch : text)
        if (ch == '/' || isDigit(ch)) kept += ch;
    return kept;
}

std::optional<GridCell> validateGrid(const EditorGrid& grid) {
    for (int r = 1; r <= kEditorSize; ++r) {
        for (int c = 1; c <= kEditorSize; ++c) {
            const std::string& t = grid.at(c, r);
            if (isBlankCell(t)) continue;
            const std::string d = keepDigitsAndSlashes(t);
            if (t.find('/') != std::string::npos && d != "/") continue;
            if (d.empty()) continue;
            if (d.size() == 1 && isDigit(d[0])) continue;
            return GridCell{r, c};
        }
    }
    return std::nullopt;
}

std::string cellToken(const std::string& text) {
    if (isBlankCell(text)) return "0";
    if (text.find('/') != std::string::npos) return text;
    return "2";
}

std::string taskText(const EditorGrid& grid, std::string_view name) {
    std::string text = "\r\n@";
    text += name;
    text += "\r\n";
    for (int r = 1; r <= kEditorSize; ++r) {
        for (int c = 1; c <= kEditorSize; ++c) {
            if (c > 1) text += ',';
            text += cellToken(grid.at(c, r));
        }
        text += "\r\n";
    }
    return text;
}

Board taskBoard(const EditorGrid& grid) {
    static const std::string name = "t";
    Board board;
    readTaskLines(splitLines(taskText(grid, name)), name, board);
    return board;
}

bool sameTaskName(std::string_view a, std::string_view b) {
    return a == b || capitals(a) == capitals(b);
}

std::optional<std::string> replacedTaskName(std::string_view fileBytes, std::string_view name) {
    for (const auto& line : splitLines(fileBytes))
        if (!line.empty() && line[0] == '@' && sameTaskName(savedNameOfLine(line), name))
            return line.substr(1);
    return std::nullopt;
}

std::optional<std::string> removeTaskFromFile(std::string_view fileBytes, std::string_view name) {
    if (!replacedTaskName(fileBytes, name)) return std::nullopt;
    const std::vector<std::string> lines = splitLines(fileBytes);
    std::string kept;
    bool copying = true;
    for (const auto& line : lines) {
        if (line.empty()) continue;
        if (line[0] == '@') copying = !sameTaskName(savedNameOfLine(line), name);
        if (!copying) continue;
        kept += line;
        kept += "\r\n";
    }
    return kept;
}

std::string workFileName(const std::string& taskFilePath) {
    const std::size_t nameStart = taskFilePath.find_last_of("/\\");
    const std::size_t dot = taskFilePath.rfind('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
        return taskFilePath + ".WRK";
    return taskFilePath.substr(0, dot + 1) + "WRK";
}

void saveTaskToFile(const EditorGrid& grid, std::string_view name, Storage& storage, Place place,
                    const std::string& file) {
    std::string bytes;
    if (storage.exists(place, file)) {
        bytes = readTaskFile(storage, place, file);
        if (auto kept = removeTaskFromFile(bytes, name)) bytes = std::move(*kept);
    }
    bytes += taskText(grid, name);
    storage.replaceThrough(place, file, workFileName(file), bytes);
}

void parseTaskRowIntoGrid(EditorGrid& grid, std::string_view line, int r) {
    std::string text(line);
    if (text.empty() || text.back() != ',') text += ',';
    std::string value;  // at most 10 characters
    std::string held;   // at most 3 characters
    long long k = 0;
    for (char ch : text) {
        if (ch == '/' || isDigit(ch)) {
            if (value.size() < 10) value += ch;
        } else if (ch == '*') {
            held = value.substr(0, 3);
            value.clear();
        } else if (ch == ',') {
            long long n = 1;
            if (!held.empty()) {
                long long count = 0;
                auto [end, error] =
                    std::from_chars(value.data(), value.data() + value.size(), count);
                if (error == std::errc() && end == value.data() + value.size() && !value.empty() &&
                    count <= 0x7FFFFFFF)
                    n = count;
                value = held;
            }
            const std::string cell = value == "0" ? "x" : value == "2" ? "" : value;
            for (long long c = k + 1; c <= k + n && c <= kEditorSize; ++c)
                if (EditorGrid::contains(static_cast<int>(c), r))
                    grid.at(static_cast<int>(c), r) = cell;
            k += n;
            value.clear();
            held.clear();
        }
    }
}

bool loadTaskIntoGrid(EditorGrid& grid, const std::vector<std::string>& lines,
                      std::string_view name) {
    std::size_t i = 0;
    for (; i < lines.size(); ++i)
        if (isNameLine(lines[i]) && nameOfLine(lines[i]) == name) break;
    if (i == lines.size()) return false;
    int row = 0;
    for (++i; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        if (lines[i][0] == '@') break;
        ++row;
        if (row > kEditorSize) continue;
        parseTaskRowIntoGrid(grid, lines[i], row);
    }
    return true;
}

}  // namespace krizovky
