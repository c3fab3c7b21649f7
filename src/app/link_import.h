#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/puzzle_link.h"

namespace krizovky {

// The longest name the import gives a task: a task file tells tasks apart by
// their first 20 characters, as the task editor's save does.
inline constexpr int kImportNameLength = 20;

// What the dialog "vložení úlohy z odkazu" shows, as plain data.
struct LinkImportScreen {
    bool visible = false;
    // The link, or the text of a file of the public puzzle editor, in the
    // field (UTF-8).
    std::string text;
    // The name the task is kept under (Windows-1250): the offered one until
    // the player types one.
    std::string nameField;
    bool nameTyped = false;
    // The task read from text, for the picture of its board; nothing while
    // the text is empty or refused.
    std::optional<ImportedPuzzle> puzzle;
    // Why the text is refused (UTF-8), empty when it is not.
    std::string refusal;
};

// True for a text that is meant as a link or file of the public puzzle
// editor, so that the clipboard's text fills the dialog's field: a link with
// or without its host, or a "pzprv3" file.
bool looksLikePuzzleText(std::string_view text);

}  // namespace krizovky
