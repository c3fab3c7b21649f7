#include "web/screen_json.h"

#include <nlohmann/json.hpp>

#include "app/board_palette.h"
#include "app/board_picture.h"
#include "app/square_description.h"
#include "model/text.h"
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

// Square (row, column) of a picture, with what it says to a screen reader.
json squareJson(const PictureSquare& square, int row, int column) {
    static constexpr const char* kKinds[] = {"blank", "clue", "entry"};
    json out = {{"kind", kKinds[static_cast<int>(square.kind)]},
                {"label", squareDescription(square, row, column)}};
    switch (square.kind) {
        case PictureKind::kClue:
            out["across"] = square.acrossSum;
            out["down"] = square.downSum;
            break;
        case PictureKind::kEntry: {
            out["digit"] = square.digit;
            out["notes"] = noteDigits(square.notes);
            // Only what is not plain, to keep the board's text short.
            static constexpr const char* kStates[] = {"plain",       "selected",  "duplicate",
                                                      "wrongSum",    "mark",      "hintUsed",
                                                      "hintDecided", "wrongDigit"};
            if (square.state != SquareState::kPlain)
                out["state"] = kStates[static_cast<int>(square.state)];
            if (square.mark != 0) out["mark"] = square.mark;
            if (square.selected) out["selected"] = true;
            if (square.inSelectedRun) out["inRun"] = true;
            break;
        }
        case PictureKind::kBlank:
            break;
    }
    putColour(out, "background", square.background);
    putColour(out, "text", square.textColour);
    return out;
}

json pictureJson(const BoardPicture& picture) {
    json rows = json::array();
    for (int r = 1; r <= picture.rows; ++r) {
        json row = json::array();
        for (int c = 1; c <= picture.columns; ++c)
            row.push_back(squareJson(picture.at(r, c), r, c));
        rows.push_back(std::move(row));
    }
    return {{"rows", picture.rows}, {"columns", picture.columns}, {"squares", std::move(rows)}};
}

json boardJson(const Game& game) {
    return pictureJson(pictureOfGame(game.board(), &game.screen()));
}

json taskListJson(const TaskListScreen& list) {
    return {{"visible", list.visible},
            {"items", list.items},
            {"emptyListText", list.emptyListText},
            {"selected", list.selected},
            {"solved", list.solved},
            {"inProgress", list.inProgress},
            {"descriptions", list.descriptions},
            {"ownTasksSwitch", list.ownTasksSwitch},
            {"ownTasks", list.ownTasks},
            {"dailyStatus", list.dailyStatus}};
}

json newTaskJson(const NewTaskScreen& dialog) {
    json grades = json::array();
    for (const Difficulty grade : kOfferedGrades)
        grades.push_back(difficultyName(grade));
    json sizes = json::array();
    for (const TaskSize size : kOfferedSizes)
        sizes.push_back(taskSizeName(size));
    for (const std::string& structure : dialog.structures)
        sizes.push_back(structure);
    return {{"visible", dialog.visible},   {"grade", dialog.grade},
            {"grades", std::move(grades)}, {"size", dialog.size},
            {"sizes", std::move(sizes)},   {"number", dialog.number},
            {"working", dialog.working},   {"workingShown", dialog.workingShown},
            {"attempt", dialog.attempt},   {"maxAttempts", dialog.maxAttempts}};
}

json linkImportJson(const LinkImportScreen& dialog) {
    json out = {{"visible", dialog.visible},
                {"text", dialog.text},
                {"name", utf8FromCp1250(dialog.nameField)},
                {"refusal", dialog.refusal}};
    if (dialog.puzzle) out["board"] = pictureJson(pictureOfTask(dialog.puzzle->board));
    return out;
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
                       {"forSaving", dialog.forSaving},
                       {"fileName", dialog.fileName}};
    }
    return out;
}

json digitsOfItems(const std::array<bool, 10>& items) {
    json digits = json::array();
    for (int d = 1; d <= 9; ++d)
        if (items[static_cast<std::size_t>(d)]) digits.push_back(d);
    return digits;
}

json paletteJson(const BoardPalette& palette) {
    json states = json::object();
    for (const auto& [name, state] : {std::pair{"selected", SquareState::kSelected},
                                      {"duplicate", SquareState::kDuplicate},
                                      {"wrongSum", SquareState::kWrongSum},
                                      {"hintUsed", SquareState::kHintUsed},
                                      {"hintDecided", SquareState::kHintDecided},
                                      {"wrongDigit", SquareState::kWrongDigit}})
        states[name] = fillOf(palette, state, 0);
    json marks = json::array();
    for (int m = 1; m <= 4; ++m)
        marks.push_back(fillOf(palette, SquareState::kMark, m));
    return {{"clue", palette.clue},         {"clueInk", palette.clueInk},
            {"entry", palette.entry},       {"entryInk", palette.entryInk},
            {"notesInk", palette.notesInk}, {"grid", palette.grid},
            {"runShade", palette.runShade}, {"shapeInk", palette.shapeInk},
            {"numbers", palette.numbers},   {"states", std::move(states)},
            {"marks", std::move(marks)}};
}

}  // namespace

std::string screenJson(const Game& game, const DisplayOptions& display, bool systemDark) {
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
    out["paused"] = screen.paused;
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
    const ColourScheme scheme = schemeOf(display, systemDark);
    out["display"] = {{"colours", display.colours ? json(schemeName(*display.colours)) : json()},
                      {"scheme", schemeName(scheme)},
                      {"runHighlight", display.runHighlight}};
    out["palette"] = paletteJson(boardPalette(scheme));
    if (const Request* request = game.requests().pending()) out["request"] = requestJson(*request);
    out["taskList"] = taskListJson(game.tasks().taskListScreen());
    out["newTask"] = newTaskJson(game.newTasks().newTaskScreen());
    out["linkImport"] = linkImportJson(game.newTasks().linkImportScreen());
    // Texts that are no UTF-8 (a damaged file quoted) are shown with U+FFFD.
    return out.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace krizovky
