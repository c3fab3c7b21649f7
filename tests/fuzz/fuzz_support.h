// What the fuzz targets share: a work folder for the files they write, and a
// round of play over a whole board.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "app/game.h"
#include "model/board.h"

namespace krizovky::fuzz {

// A folder of this process for the files a target writes, emptied when the
// process ends; in memory where the system has a place for it, so that the
// writes' waits for the disk do not slow the run down.
inline const std::string& workFolder() {
    static const struct Folder {
        std::string path;
        Folder() {
            std::error_code error;
            const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                                   ? "/dev/shm"
                                                   : std::filesystem::temp_directory_path();
            std::string pattern = (base / "krizovky-fuzz-XXXXXX").string();
            if (mkdtemp(pattern.data()) == nullptr) __builtin_trap();
            path = pattern;
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } folder;
    return folder.path;
}

inline std::string writeWorkFile(const std::string& name, std::string_view bytes) {
    const std::string path = workFolder() + "/" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// Plays over the whole board as a player may: every square clicked at each
// Level, written through its pop-up menu with the first digit offered, and
// double clicked; then the full check and the undo of every Move. Nothing of
// that may reach outside the board, the table or the history.
inline void playEverything(Game& game) {
    for (Level level : {Level::k130, Level::k160, Level::k100}) {
        game.play().setLevel(level);
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c)
                game.play().selectSquare(r, c);
    }
    for (int r = 1; r <= kBoardSize; ++r) {
        for (int c = 1; c <= kBoardSize; ++c) {
            game.play().openSquareMenu(r, c);
            for (int d = 1; d <= 9; ++d)
                if (game.screen().digitItemEnabled[d]) {
                    game.play().chooseDigit(d);
                    break;
                }
            game.play().writeSingleDigit(r, c);
        }
    }
    game.play().toggleChecking();
    game.play().checkWholeBoard();
    game.moves().setMark();
    for (int k = 0; k < 600 && game.history().moveCount > 0; ++k)
        game.moves().undoMove();
}

}  // namespace krizovky::fuzz
