#include "history/saved_game_extension.h"

#include <gtest/gtest.h>

#include "history/saved_game.h"
#include "model/text.h"

namespace krizovky {
namespace {

// A board of one entry square: a game the reader takes.
Board oneSquareBoard() {
    Board board;
    board.rowCount = board.colCount = 2;
    board.at(2, 2).kind = kEntry;
    return board;
}

SavedGameExtras someExtras() {
    SavedGameExtras extras;
    extras.notesAt(2, 3) = digitBit(1) | digitBit(3) | digitBit(9);
    extras.notesAt(15, 15) = digitBit(5);
    extras.seconds = 754;
    return extras;
}

TEST(ExtensionBlock, OnlyAGameWithNotesOrTimeWritesItAndItReadsBackWhole) {
    EXPECT_EQ(encodeExtensionBlock({}), "");
    const std::string block = encodeExtensionBlock(someExtras());
    ASSERT_EQ(block.size(), kExtensionBlockSize);
    EXPECT_EQ(block.substr(0, 10), std::string("KRZX\x01\x00\xd4\x01\x00\x00", 10));

    const std::string file = encodeSavedGame(oneSquareBoard(), MoveHistory{}, someExtras());
    ASSERT_EQ(file.size(), kSavedGameSize + kExtensionBlockSize);
    SavedGame game;
    std::string problem;
    ASSERT_TRUE(decodeSavedGame(file, game, problem)) << problem;
    EXPECT_TRUE(game.extras.hasBlock);
    EXPECT_EQ(game.extras.notes, someExtras().notes);
    EXPECT_EQ(game.extras.seconds, 754u);
    // The documented layout alone is what a reader of it sees.
    ASSERT_TRUE(decodeSavedGame(file.substr(0, kSavedGameSize), game, problem));
    EXPECT_FALSE(game.extras.hasBlock);
    EXPECT_EQ(game.extras.seconds, 0u);
}

TEST(ExtensionBlock, EveryDamageIsRefusedWithItsReason) {
    const std::string good = encodeSavedGame(oneSquareBoard(), MoveHistory{}, someExtras());
    const std::size_t at = kSavedGameSize;
    auto with = [&good](std::size_t offset, char value) {
        std::string bad = good;
        bad[offset] = value;
        return bad;
    };
    const struct {
        const char* what;
        std::string bytes;
        const char* problem;
    } cases[] = {
        {"magic", with(at + 3, 'Y'), "má 9280 bajtů místo 8812"},
        {"version", with(at + 4, 2), "rozšíření má neznámou verzi 2"},
        {"length", with(at + 6, 0), "rozšíření udává délku 256 místo 468"},
        {"cut short", good.substr(0, good.size() - 1), "rozšíření má 467 bajtů místo 468"},
        {"extra byte", good + '\0', "rozšíření má 469 bajtů místo 468"},
        {"header only", good.substr(0, at + 6), "rozšíření je neúplné"},
        {"checksum", with(good.size() - 1, 0), "rozšíření má chybný kontrolní součet"},
        {"a changed note", with(at + 12, 1), "rozšíření má chybný kontrolní součet"},
    };
    for (const auto& c : cases) {
        SavedGame game;
        std::string problem;
        EXPECT_FALSE(decodeSavedGame(c.bytes, game, problem)) << c.what;
        EXPECT_EQ(problem, c.problem) << c.what;
    }
}

}  // namespace
}  // namespace krizovky
