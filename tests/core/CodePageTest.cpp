// The code page's Unicode mapping and upper-case rule.
#include <gtest/gtest.h>

#include "model/CodePage.h"

namespace glintwick {
namespace {

TEST(CodePage, EveryByteRoundTripsThroughUnicodeAndUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::string back;
    char32_t rejected = 0;
    ASSERT_TRUE(Utf8ToCodePage(CodePageToUtf8(all), back, rejected));
    EXPECT_EQ(back, all);
}

TEST(CodePage, MapsTheWindowsRangeAndRefusesWhatItCannotHold) {
    EXPECT_EQ(CodePageToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(CodePageToUnicode(0x9F), U'\u0178');
    EXPECT_EQ(CodePageToUnicode(0xE9), U'\u00E9');
    EXPECT_EQ(CodePageToUtf8("\x80"), "\xE2\x82\xAC");

    std::string out;
    char32_t rejected = 0;
    EXPECT_FALSE(Utf8ToCodePage("ok \xE4\xB8\xAD", out, rejected));  // U+4E2D
    EXPECT_EQ(rejected, U'\u4E2D');
    EXPECT_FALSE(Utf8ToCodePage("\xF0\x9F\x98\x80", out, rejected));  // emoji
    EXPECT_EQ(rejected, U'\U0001F600');
    EXPECT_FALSE(Utf8ToCodePage("\xC3", out, rejected));  // truncated sequence
    EXPECT_EQ(rejected, U'\uFFFD');
    EXPECT_FALSE(Utf8ToCodePage("\xC0\xAF", out, rejected));      // overlong
    EXPECT_FALSE(Utf8ToCodePage("\xED\xA0\x80", out, rejected));  // surrogate
}

TEST(CodePage, UpperCasesAsciiAndTheCodePagesLetterPairs) {
    EXPECT_EQ(CodePageToUpper('a'), 'A');
    EXPECT_EQ(CodePageToUpper('z'), 'Z');
    EXPECT_EQ(CodePageToUpper('A'), 'A');
    EXPECT_EQ(CodePageToUpper('1'), '1');
    EXPECT_EQ(CodePageToUpper('\xE0'), '\xC0');  // à
    EXPECT_EQ(CodePageToUpper('\xFE'), '\xDE');  // þ
    EXPECT_EQ(CodePageToUpper('\x9A'), '\x8A');  // š
    EXPECT_EQ(CodePageToUpper('\x9C'), '\x8C');  // œ
    EXPECT_EQ(CodePageToUpper('\x9E'), '\x8E');  // ž
    EXPECT_EQ(CodePageToUpper('\xFF'), '\x9F');  // ÿ
    EXPECT_EQ(CodePageToUpper('\xF7'), '\xF7');  // division sign has no case
    EXPECT_EQ(CodePageToUpper('\xDF'), '\xDF');  // ß stays one character
    EXPECT_EQ(CodePageToUpper('\xB5'), '\xB5');  // µ has no upper case in the code page
}

}  // namespace
}  // namespace glintwick
