#include "web/screen_json.h"

#include <nlohmann/json.hpp>

#include "app/board_picture.h"
#include "play/level.h"

namespace krizovky {
namespace {

using nlohmann::json;

std::string noteDigits(DigitSet notes) {
    std::string digits;
    for (int d = 1; d <= 9; ++d)
        if (notes & digitBit(d)) digits += static_cast<char>('0' + d);
    return digits;
}

void putColour(json& out, const char* key, const std::optional<Colour>& colour) {
    if (colour) out[key] = *colour;
}

json squareJson(const PictureSquare& square) {
    static constexpr const char* kKinds[] = {"blank", "clue", "entry"};
    json out = {{"kind", kKinds[static_cast<int>(square.kind)]}};
    switch (square.kind) {
        case PictureKind::kClue:
            out["across"] = square.acrossSum;
            out["down"] = square.downSum;
            break;
        case PictureKind::kEntry:
            out["digit"] = square.digit;
            out["notes"] = noteDigits(square.notes);
            break;
        case PictureKind::kBlank:
            break;
    }
    putColour(out, "background", square.background);
    putColour(out, "text", square.textColour);
    return out;
}

json boardJson(const Game& game) {
    const BoardPicture picture = pictureOfGame(game.board(), &game.screen());
    json rows = json::array();
    for (int r = 1; r <= picture.rows; ++r) {
        json row = json::array();
        for (int c = 1; c <= picture.columns; ++c)
            row.push_back(squareJson(picture.at(r, c)));
        rows.push_back(std::move(row));
    }
    return {{"rows", picture.rows}, {"columns", picture.columns}, {"squares", std::move(rows)}};
}

json requestJson(const Request& request) {
    static constexpr const char* kKinds[] = {"message",     "error",          "failure", "yesNo",
                                             "yesNoCancel", "solverQuestion", "file"};
    json out = {{"kind", kKinds[static_cast<int>(request.kind)]}, {"text", request.text}};
    if (request.kind == RequestKind::kFile) {
        const FileDialog& dialog = request.dialog;
        out["file"] = {{"title", dialog.title},
                       {"filterName", dialog.filterName},
                       {"filterPattern", dialog.filterPattern},
                       {"forSaving", dialog.forSaving}};
    }
    return out;
}

json digitsOfItems(const std::array<bool, 10>& items) {
    json digits = json::array();
    for (int d = 1; d <= 9; ++d)
        if (items[static_cast<std::size_t>(d)]) digits.push_back(d);
    return digits;
}

}  // namespace

std::string screenJson(const Game& game) {
    const MainScreen& screen = game.screen();
    const Options& options = game.options();
    json out;
    out["boardShown"] = screen.boardPanel;
    if (screen.boardPanel) out["board"] = boardJson(game);
    const BoardSquare current = game.play().currentSquare();
    if (!current.none()) out["current"] = {current.row, current.column};
    out["taskName"] = screen.taskName ? screen.taskNameCaption : "";
    out["taskProblem"] = screen.taskProblem;

    json hints;
    if (screen.acrossPanel) hints["across"] = screen.acrossHints;
    if (screen.downPanel) hints["down"] = screen.downHints;
    if (screen.allowedPanel) hints["allowed"] = screen.allowedDigits;
    out["hints"] = std::move(hints);
    if (screen.step.shown)
        out["step"] = {{"headline", screen.step.headline},
                       {"explanation", screen.step.explained ? screen.step.explanation : ""}};

    out["buttons"] = {{"undo", screen.undoButton},   {"redo", screen.redoButton},
                      {"mark", screen.markButton},   {"undoToMark", screen.undoToMarkButton},
                      {"check", screen.checkButton}, {"notes", screen.notesButton},
                      {"stop", screen.stopButton}};
    out["notesMode"] = screen.notesMode;
    json swatches = json::array();
    for (int m = 1; m <= 4; ++m)
        if (screen.swatch[static_cast<std::size_t>(m)])
            swatches.push_back(
                {{"mark", m}, {"colour", screen.swatchColour[static_cast<std::size_t>(m)]}});
    out["swatches"] = std::move(swatches);
    out["legends"] = {{"duplicate", screen.duplicateLegend}, {"wrongSum", screen.wrongSumLegend}};
    out["menu"] = {{"digits", digitsOfItems(screen.digitItemEnabled)},
                   {"notesEnabled", screen.noteItemsEnabled},
                   {"notes", digitsOfItems(screen.noteItemChecked)}};
    out["playClock"] = screen.playClock ? screen.playClockCaption : "";
    out["solverClock"] = screen.solverClock ? screen.solverClockCaption : "";
    out["loading"] = screen.loadGauge.visible;

    static constexpr const char* kSpeeds[] = {"step", "smooth", "fastest"};
    out["options"] = {{"iq", iqOf(options.level)},
                      {"autoFill", options.autoFill},
                      {"checking", options.checking},
                      {"eraseNotes", options.eraseNotes},
                      {"solverSpeed", kSpeeds[static_cast<int>(options.solverSpeed)]},
                      {"solving", game.solver().solving()}};
    if (const Request* request = game.requests().pending()) out["request"] = requestJson(*request);
    return out.dump();
}

}  // namespace krizovky
