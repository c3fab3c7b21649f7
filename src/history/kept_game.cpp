#include "history/kept_game.h"

#include <nlohmann/json.hpp>

#include "history/player_json.h"
#include "model/errors.h"

namespace krizovky {
namespace {

using nlohmann::json;

constexpr int kKeptGameVersion = 1;
constexpr int kKeptGamesVersion = 1;
constexpr char kHexDigits[] = "0123456789abcdef";

// The saved game's bytes as hexadecimal digits, so the file stays text.
std::string toHex(std::string_view bytes) {
    std::string hex;
    hex.reserve(2 * bytes.size());
    for (unsigned char byte : bytes) {
        hex += kHexDigits[byte >> 4];
        hex += kHexDigits[byte & 0xF];
    }
    return hex;
}

int hexValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    throw RunError("the saved game is not hexadecimal");
}

std::string fromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) throw RunError("the saved game has an odd number of digits");
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2)
        bytes += static_cast<char>(hexValue(hex[i]) << 4 | hexValue(hex[i + 1]));
    return bytes;
}

// One kept game's fields; a file of its own adds the version.
json keptGameJson(const KeptGame& game) {
    return json{
        {"taskFile", game.taskFile},
        {"taskName", game.taskName},
        {"taskHash", game.taskHash},
        {"level", game.aids.level},
        {"nextSteps", game.aids.nextSteps},
        {"checked", game.aids.checked},
        {"bySolver", game.aids.bySolver},
        {"options", {{"iq", game.iq}, {"autoFill", game.autoFill}, {"checking", game.checking}}},
        {"savedGame", toHex(game.savedGame)}};
}

// Throws json::exception for a field that is missing or of another type,
// RunError for a value out of range.
KeptGame keptGameOf(const json& document) {
    KeptGame game;
    document.at("taskFile").get_to(game.taskFile);
    document.at("taskName").get_to(game.taskName);
    document.at("taskHash").get_to(game.taskHash);
    document.at("level").get_to(game.aids.level);
    document.at("nextSteps").get_to(game.aids.nextSteps);
    document.at("checked").get_to(game.aids.checked);
    document.at("bySolver").get_to(game.aids.bySolver);
    const json& options = document.at("options");
    options.at("iq").get_to(game.iq);
    options.at("autoFill").get_to(game.autoFill);
    options.at("checking").get_to(game.checking);
    game.savedGame = fromHex(document.at("savedGame").get<std::string>());
    if (game.aids.nextSteps < 0) throw RunError("a negative count");
    for (int iq : {game.iq, game.aids.level})
        if (iq != 100 && iq != 130 && iq != 160)
            throw RunError("an IQ level other than 100, 130, 160");
    return game;
}

std::string dump(const json& document) {
    // A path that is no UTF-8 is kept with its odd bytes replaced: it then
    // names no file, and the game is set aside at the next start as one whose
    // task file is gone, which is better than no start at all.
    return document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace

std::string encodeKeptGame(const KeptGame& game) {
    json document = keptGameJson(game);
    document["version"] = kKeptGameVersion;
    return dump(document);
}

KeptGame decodeKeptGame(std::string_view text) {
    return readPlayerJson(text, [](const json& document) {
        if (document.at("version").get<int>() != kKeptGameVersion)
            throw RunError("an unknown version of the kept game");
        return keptGameOf(document);
    });
}

std::string encodeKeptGames(const std::vector<KeptGame>& games) {
    json list = json::array();
    for (const KeptGame& game : games)
        list.push_back(keptGameJson(game));
    return dump(json{{"version", kKeptGamesVersion}, {"games", std::move(list)}});
}

std::vector<KeptGame> decodeKeptGames(std::string_view text) {
    return readPlayerJson(text, [](const json& document) {
        if (document.at("version").get<int>() != kKeptGamesVersion)
            throw RunError("an unknown version of the games in progress");
        std::vector<KeptGame> games;
        for (const json& game : document.at("games"))
            games.push_back(keptGameOf(game));
        return games;
    });
}

}  // namespace krizovky
