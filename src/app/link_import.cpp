#include "app/link_import.h"

namespace krizovky {

bool looksLikePuzzleText(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return false;
    text.remove_prefix(first);
    // A file of the editor is a few lines; anything far longer is some other
    // text the player copied.
    if (text.size() > 64 * 1024) return false;
    if (text.starts_with("pzprv3")) return true;
    const std::string_view word = text.substr(0, text.find_first_of(" \t\r\n"));
    return word.find('?') != std::string_view::npos || word.starts_with("kakuro/");
}

}  // namespace krizovky
