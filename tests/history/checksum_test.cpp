#include "history/checksum.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#if KRIZOVKY_USE_ZLIB
#include <zlib.h>
#endif

namespace krizovky {
namespace {

TEST(OwnCrc32, GivesTheStandardCheckValues) {
    EXPECT_EQ(ownCrc32(""), 0u);
    EXPECT_EQ(ownCrc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(ownCrc32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
    EXPECT_EQ(crc32Of("123456789"), 0xCBF43926u);
}

#if KRIZOVKY_USE_ZLIB
std::uint32_t zlibCrc32(const std::string& bytes) {
    return static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0),
                                            reinterpret_cast<const Bytef*>(bytes.data()),
                                            static_cast<uInt>(bytes.size())));
}

// Every length up to past a few table rounds, every byte value alone, runs of
// zeros and of 0xFF, and random blocks as long as a saved game's.
TEST(OwnCrc32, IsZlibsBitForBit) {
    for (int value = 0; value < 256; ++value) {
        const std::string one(1, static_cast<char>(value));
        ASSERT_EQ(ownCrc32(one), zlibCrc32(one)) << "byte " << value;
    }
    for (char fill : {'\0', '\xFF', 'a'})
        for (std::size_t length : {2u, 3u, 4u, 7u, 8u, 15u, 16u, 31u, 64u, 1000u, 65536u}) {
            const std::string run(length, fill);
            ASSERT_EQ(ownCrc32(run), zlibCrc32(run)) << length << " of " << int(fill);
        }
    std::mt19937 random(20250101);
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t length = 0; length < 1200; length += 1 + length / 8) {
        std::string bytes;
        for (std::size_t i = 0; i < length; ++i)
            bytes += static_cast<char>(byte(random));
        ASSERT_EQ(ownCrc32(bytes), zlibCrc32(bytes)) << "random block of " << length;
        ASSERT_EQ(crc32Of(bytes), zlibCrc32(bytes));
    }
}
#endif

}  // namespace
}  // namespace krizovky
