// The archive's int32 and string encodings, including the 16-bit form and hostile lengths.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "model/Archive.h"

namespace glintwick {
namespace {

using test::Bytes;

std::string Stored(const std::string& text) {
    std::string out;
    CArchive ar(out);
    ar.WriteString(text);
    return out;
}

std::string Loaded(const std::string& bytes) {
    CArchive ar{std::string_view(bytes)};
    return ar.ReadString();
}

TEST(Archive, IntsAreLittleEndianTwosComplement) {
    std::string out;
    CArchive ar(out);
    ar.WriteInt(1);
    ar.WriteInt(-2);
    ar.WriteInt(INT32_MIN);
    EXPECT_EQ(out, Bytes({1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80}));
    CArchive in{std::string_view(out)};
    EXPECT_EQ(in.ReadInt(), 1);
    EXPECT_EQ(in.ReadInt(), -2);
    EXPECT_EQ(in.ReadInt(), INT32_MIN);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, StringPrefixFormsSwitchAt255And65534) {
    struct Case {
        size_t length;
        std::string prefix;
    } cases[] = {
        {0, Bytes({0})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& c : cases) {
        const std::string text(c.length, 'x');
        const std::string stored = Stored(text);
        EXPECT_EQ(stored.substr(0, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(stored.size(), c.prefix.size() + c.length);
        EXPECT_EQ(Loaded(stored), text) << c.length;
    }
}

TEST(Archive, ReadsThe16BitFormIntoTheCodePage) {
    // "é€a" as UTF-16LE with a one-byte count of 3.
    const std::string wide = Bytes({0xFF, 0xFE, 0xFF, 3, 0xE9, 0x00, 0xAC, 0x20, 'a', 0});
    EXPECT_EQ(Loaded(wide),
              "\xE9\x80"
              "a");
    // The count itself may use the long forms.
    std::string longWide = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01});
    for (int i = 0; i < 300; ++i) longWide += Bytes({'z', 0});
    EXPECT_EQ(Loaded(longWide), std::string(300, 'z'));
}

TEST(Archive, RefusesTextThatWouldChangeOnTheNextSave) {
    // U+4E2D is outside the code page; a lone surrogate is not text at all.
    EXPECT_THROW(Loaded(Bytes({0xFF, 0xFE, 0xFF, 1, 0x2D, 0x4E})), CArchiveFormatError);
    EXPECT_THROW(Loaded(Bytes({0xFF, 0xFE, 0xFF, 1, 0x00, 0xD8})), CArchiveFormatError);
    EXPECT_THROW(Loaded(Bytes({0xFF, 0xFE, 0xFF, 2, 0x00, 0xDC, 'a', 0})), CArchiveFormatError);
}

TEST(Archive, InputEndingEarlyIsAFormatError) {
    const std::string truncated[] = {
        Bytes({}),                                                      // no prefix
        Bytes({5, 'a', 'b'}),                                           // characters missing
        Bytes({0xFF, 0x00}),                                            // 16-bit length cut
        Bytes({0xFF, 0xFF, 0xFF, 0x10}),                                // 32-bit length cut
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),              // 4 GB claimed by 7 bytes
        Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),  // wide, huge count
        Bytes({0xFF, 0xFE, 0xFF, 2, 'a', 0}),                           // wide, one unit short
    };
    for (const auto& bytes : truncated) EXPECT_THROW(Loaded(bytes), CArchiveFormatError);
    CArchive ar{std::string_view("abc")};
    EXPECT_THROW(ar.ReadInt(), CArchiveFormatError);
}

}  // namespace
}  // namespace glintwick
