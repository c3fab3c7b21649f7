#include "editor/structure_file.h"

#include "editor/random.h"
#include "model/text.h"

namespace krizovky {
namespace {

bool beginsStructure(const std::string& line) {
    return !line.empty() && line[0] == '@';
}

std::string_view nameOf(const std::string& line) {
    return std::string_view(line).substr(1, 20);
}

}  // namespace

std::vector<std::string> structureNames(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const auto& line : lines)
        if (beginsStructure(line) && names.size() < kMaxStructures)
            names.emplace_back(nameOf(line));
    return names;
}

void parseStructureRow(EditorGrid& grid, int& rowCounter, std::string_view line) {
    ++rowCounter;
    if (rowCounter > kEditorSize) return;
    std::string text(line);
    text += ',';
    int column = 1;
    std::size_t start = 0;
    while (column <= kEditorSize) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string::npos) break;
        if (comma > start) {
            const char first = text[start];
            if (first == '/')
                grid.at(column, rowCounter) = "/";
            else if (first == 'x' || first == 'X')
                grid.at(column, rowCounter) = "x";
        }
        ++column;
        start = comma + 1;
    }
}

void drawStructure(EditorGrid& grid, const std::vector<std::string>& lines, int index) {
    const std::vector<std::string> names = structureNames(lines);
    if (index < 1 || index > static_cast<int>(names.size())) return;
    std::size_t i = 0;
    while (i < lines.size() && !(beginsStructure(lines[i]) && nameOf(lines[i]) == names[index - 1]))
        ++i;
    grid.fill(" ");
    int rowCounter = 0;
    for (++i; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        if (beginsStructure(lines[i])) break;
        parseStructureRow(grid, rowCounter, lines[i]);
    }
}

std::string structureMessage(StructureDraw outcome) {
    switch (outcome) {
        case StructureDraw::kNoFile:
            return "Nenalezl jsem soubor s definicemi struktur úloh!";
        case StructureDraw::kNoNames:
            return "Soubor s definicemi struktur úloh neobsahuje\f žádná označení!";
        case StructureDraw::kDrawn:
            break;
    }
    return {};
}

StructureDraw loadRandomStructure(EditorGrid& grid, std::uint32_t& randomSeed, Storage& storage,
                                  Place place, const std::string& name) {
    if (!storage.exists(place, name)) return StructureDraw::kNoFile;
    const std::vector<std::string> lines = splitLines(storage.read(place, name));
    const std::size_t count = structureNames(lines).size();
    if (count == 0) return StructureDraw::kNoNames;
    const int k = nextRandom(randomSeed, static_cast<int>(count)) + 1;
    drawStructure(grid, lines, k);
    return StructureDraw::kDrawn;
}

}  // namespace krizovky
