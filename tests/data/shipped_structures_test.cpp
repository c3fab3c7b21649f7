// The structure file that ships with the program: enough structures of
// different shapes, each a sound layout that the generator fills at the first
// attempt at least 9 times in 10.
#include <gtest/gtest.h>

#include <set>

#include "editor/generator.h"
#include "editor/structure_file.h"
#include "model/file_layer.h"
#include "model/text.h"

namespace krizovky {
namespace {

std::vector<std::string> shippedLines() {
    return splitLines(readFileBytes(std::string(KRIZOVKY_BINARY_DIR) + "/krizovky.VZR"));
}

TEST(ShippedStructures, AreTwelveToTwentyDistinctLayouts) {
    const auto lines = shippedLines();
    const auto names = structureNames(lines);
    ASSERT_GE(names.size(), 12u);
    ASSERT_LE(names.size(), 20u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    std::set<std::string> layouts;
    for (std::size_t k = 1; k <= names.size(); ++k) {
        EditorGrid grid;
        drawStructure(grid, lines, static_cast<int>(k));
        std::string layout;
        for (int r = 1; r <= kEditorSize; ++r)
            for (int c = 1; c <= kEditorSize; ++c)
                layout += grid.at(c, r);
        layouts.insert(layout);
        // Every open cell lies in an across run and a down run of at least two
        // cells that begin at a clue cell "/".
        for (int r = 1; r <= kEditorSize; ++r) {
            for (int c = 1; c <= kEditorSize; ++c) {
                if (grid.at(c, r) != " ") continue;
                int left = c, up = r;
                while (left > 1 && grid.at(left - 1, r) == " ")
                    --left;
                while (up > 1 && grid.at(c, up - 1) == " ")
                    --up;
                ASSERT_GT(left, 1) << names[k - 1] << " " << r << "/" << c;
                ASSERT_GT(up, 1) << names[k - 1] << " " << r << "/" << c;
                EXPECT_EQ(grid.at(left - 1, r), "/") << names[k - 1];
                EXPECT_EQ(grid.at(c, up - 1), "/") << names[k - 1];
                const bool acrossPair = (c > 1 && grid.at(c - 1, r) == " ") ||
                                        (c < kEditorSize && grid.at(c + 1, r) == " ");
                const bool downPair = (r > 1 && grid.at(c, r - 1) == " ") ||
                                      (r < kEditorSize && grid.at(c, r + 1) == " ");
                EXPECT_TRUE(acrossPair && downPair) << names[k - 1] << " " << r << "/" << c;
            }
        }
    }
    EXPECT_EQ(layouts.size(), names.size());
}

TEST(ShippedStructures, FillAtTheFirstAttemptNineTimesInTen) {
    const auto lines = shippedLines();
    const auto names = structureNames(lines);
    constexpr int kSeeds = 200;
    for (std::size_t k = 1; k <= names.size(); ++k) {
        int filled = 0;
        for (int number = 0; number < kSeeds; ++number) {
            EditorGrid grid;
            drawStructure(grid, lines, static_cast<int>(k));
            std::uint32_t seed = 2 * number + 1;
            filled += fillDigits(grid, seed).filled;
        }
        EXPECT_GE(filled * 10, kSeeds * 9) << utf8FromCp1250(names[k - 1]);
        std::printf("%-22s filled %d of %d\n", utf8FromCp1250(names[k - 1]).c_str(), filled,
                    kSeeds);
    }
}

}  // namespace
}  // namespace krizovky
