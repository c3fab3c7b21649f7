#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace krizovky {

// What has helped the player in the game so far; the record keeps it with
// the result.
struct GameAids {
    int level = 160;        // the lowest IQ level a square was selected at
    int nextSteps = 0;      // "&Další krok" asked
    bool checked = false;   // "&Ukaž chyby" or "&Je to zatím správně?" used
    bool bySolver = false;  // "70" ran on the game
};

// The game in progress kept when the program closes, to be taken up at the
// next start: the task it is a game of (its file, its name in UTF-8 and its
// taskHash, so that a task edited since is noticed), what helped so far, and
// the game itself as a saved game file holds it (board, Moves, Marks, notes,
// time). Kept as one JSON file.
struct KeptGame {
    std::string taskFile;
    std::string taskName;
    std::string taskHash;
    GameAids aids;
    // The options of "&Volby" the game was played with: the IQ level (100,
    // 130 or 160), "&Doplňovat" and "&Kontrolovat".
    int iq = 100;
    bool autoFill = true;
    bool checking = true;
    std::string savedGame;  // the bytes of encodeSavedGame
};

std::string encodeKeptGame(const KeptGame& game);
// The most bytes a kept game's file can have.
inline constexpr std::size_t kLargestKeptGame = 64 * 1024;
// Throws DamagedFileError saying what is wrong (in English, as the library
// of the format says it) for text that is no kept game.
KeptGame decodeKeptGame(std::string_view text);

// The games in progress kept per task when the player leaves a task for
// another, newest first, as one JSON file; each as a kept game holds it.
std::string encodeKeptGames(const std::vector<KeptGame>& games);
// The most games in progress kept per task, and the most bytes their file
// can have.
inline constexpr std::size_t kMostGamesInProgress = 50;
inline constexpr std::size_t kLargestGamesInProgress =
    (kMostGamesInProgress + 1) * kLargestKeptGame;
// Throws RunError as decodeKeptGame does.
std::vector<KeptGame> decodeKeptGames(std::string_view text);

}  // namespace krizovky
