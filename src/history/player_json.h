#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

#include "history/damaged_file.h"
#include "model/errors.h"

namespace krizovky {

// A JSON file of the player's, its text read by read: text that is no JSON,
// or JSON that read cannot use (a missing field, a value of another type, a
// RunError of read's own), is a damaged file, with the line where the JSON
// reader stopped when there is one.
template <typename Read>
auto readPlayerJson(std::string_view text, Read read) {
    try {
        return read(nlohmann::json::parse(text));
    } catch (const nlohmann::json::parse_error& e) {
        throw DamagedFileError(lineOfByte(text, e.byte), e.what());
    } catch (const nlohmann::json::exception& e) {
        throw DamagedFileError(0, e.what());
    } catch (const RunError& e) {
        throw DamagedFileError(0, e.what());
    }
}

}  // namespace krizovky
