#include "model/text.h"

#include <gtest/gtest.h>

namespace krizovky {
namespace {

TEST(Cp1250, ConvertsCzechLettersBothWays) {
    const std::string utf8 = "součtové křížovky ŽĚŠČŘĎŤŇ ů";
    std::string bytes = cp1250FromUtf8(utf8);
    EXPECT_EQ(bytes, "sou\xE8tov\xE9 k\xF8\xED\x9Eovky \x8E\xCC\x8A\xC8\xD8\xCF\x8D\xD2 \xF9");
    EXPECT_EQ(utf8FromCp1250(bytes), utf8);
}

TEST(Cp1250, ReplacesWhatHasNoCounterpart) {
    EXPECT_EQ(cp1250FromUtf8("a€b"),
              "a\x80"
              "b");  // the euro sign has a byte
    EXPECT_EQ(cp1250FromUtf8("a\xE2\x88\x9E"
                             "b"),
              "a?b");  // infinity has none
    std::string strict;
    EXPECT_FALSE(
        tryCp1250FromUtf8("a\xE2\x88\x9E"
                          "b",
                          strict));
    EXPECT_TRUE(tryCp1250FromUtf8("žluť", strict));
    EXPECT_EQ(strict, "\x9Elu\x9D");
    // 0x98 is not defined in Windows-1250.
    EXPECT_EQ(utf8FromCp1250("a\x98"
                             "b"),
              "a\xEF\xBF\xBD"
              "b");
    // Broken UTF-8 is replaced, the rest kept.
    EXPECT_EQ(cp1250FromUtf8("a\xC3"
                             "b"),
              "a?b");
}

TEST(Cp1250, KeepsLongTextsWhole) {
    std::string utf8;
    for (int i = 0; i < 2000; ++i)
        utf8 += "č";
    EXPECT_EQ(cp1250FromUtf8(utf8), std::string(2000, '\xE8'));
    EXPECT_EQ(utf8FromCp1250(std::string(2000, '\xE8')), utf8);
}

TEST(SplitLines, ReadsCrLfAndLfAlike) {
    using V = std::vector<std::string>;
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("a\nb\n"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\nb"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("a\n\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(splitLines(""), V{});
    EXPECT_EQ(splitLines("\r\n"), V{""});
    // A CR inside a line is part of it.
    EXPECT_EQ(splitLines("a\rb\r\n"), V{"a\rb"});
}

TEST(Windows1250Text, ConvertsUtf8FilesAndKeepsEveryOtherAsItIs) {
    const std::string cp1250 = cp1250FromUtf8("@žlutá\r\n0*15\r\n");
    EXPECT_EQ(windows1250Text("@žlutá\r\n0*15\r\n"), cp1250);
    EXPECT_EQ(windows1250Text("\xEF\xBB\xBF@žlutá\r\n0*15\r\n"), cp1250);
    EXPECT_EQ(windows1250Text(std::string("\0ž", 3)), std::string("\0\x9E", 2));
    // Windows-1250 itself, plain ASCII, a character Windows-1250 has not, and
    // what only looks like UTF-8 (cut off, overlong, a surrogate) stay bytes.
    for (const std::string& bytes : {cp1250, std::string("@a\r\n"), std::string("@∞ž"),
                                     std::string("a\xC5"), std::string("\xE0\x80\xAF"),
                                     std::string("\xED\xA0\x80"), std::string("\xF4\x90\x80\x80")})
        EXPECT_EQ(windows1250Text(bytes), bytes);
}

TEST(IsBlankLine, IgnoresBlanksAndControlCharacters) {
    EXPECT_TRUE(isBlankLine(""));
    EXPECT_TRUE(isBlankLine("  \t \x1A"));
    EXPECT_FALSE(isBlankLine(" 0 "));
    EXPECT_FALSE(isBlankLine(" @"));
    EXPECT_FALSE(isBlankLine("\xA0"));  // a no-break space is not trimmed
}

}  // namespace
}  // namespace krizovky
