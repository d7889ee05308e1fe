// Path strings to UTF-16 names and back: exact for every name Windows allows.
#include <gtest/gtest.h>

#include "model/Utf16Path.h"

namespace glintwick {
namespace {

TEST(Utf16Path, TextAndSurrogatesConvertExactlyBothWays) {
    const struct {
        std::string path;
        std::u16string name;
    } cases[] = {
        {"C:\\site\\demo.gwk", u"C:\\site\\demo.gwk"},
        {"d\xC3\xA9mo.gwk", u"d\u00E9mo.gwk"},
        {"\xE6\x97\xA5\xE6\x9C\xAC.gwk", u"\u65E5\u672C.gwk"},
        {"\xE2\x82\xAC", u"\u20AC"},
        {"\xF0\x9F\x8E\x89.js", {0xD83C, 0xDF89, u'.', u'j', u's'}},  // U+1F389 as a pair
        {"\xED\xA0\x80", {0xD800}},                                   // a lead alone
        {"a\xED\xB0\x80z", {u'a', 0xDC00, u'z'}},                     // a trail alone
        {"\xED\xB0\x80\xED\xA0\x80", {0xDC00, 0xD800}},               // trail before lead: no pair
        {"x\xED\xAF\xBF", {u'x', 0xDBFF}},                            // a lead at the end
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
        {"", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PathToUtf16(c.path), c.name) << c.path;
        EXPECT_EQ(PathFromUtf16(c.name), c.path) << c.path;
    }
}

TEST(Utf16Path, EverySixteenBitUnitAndEveryPairSurvivesTheRoundTrip) {
    for (char32_t unit = 1; unit <= 0xFFFF; ++unit) {
        const std::u16string name{u'x', static_cast<char16_t>(unit), u'y'};
        ASSERT_EQ(PathToUtf16(PathFromUtf16(name)), name) << static_cast<unsigned>(unit);
    }
    for (char32_t lead = 0xD800; lead <= 0xDBFF; lead += 0x3F) {
        for (char32_t trail = 0xDC00; trail <= 0xDFFF; trail += 0x3F) {
            const std::u16string name{static_cast<char16_t>(lead), static_cast<char16_t>(trail)};
            const std::string path = PathFromUtf16(name);
            ASSERT_EQ(path.size(), 4u) << "a pair is one four-byte character";
            ASSERT_EQ(PathToUtf16(path), name);
        }
    }
}

TEST(Utf16Path, BytesThatAreNoCharacterBecomeReplacementCharacters) {
    EXPECT_EQ(PathToUtf16("a\xFF"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(PathToUtf16("\xC3"), u"\uFFFD");
    EXPECT_EQ(PathToUtf16("\xED\xA0"), u"\uFFFD\uFFFD");
}

}  // namespace
}  // namespace glintwick
