// The native frame functions: each effect's frames, ends of loop and documented edge cases.
#include <gtest/gtest.h>

#include "effects/EffectCatalogue.h"

namespace glintwick {
namespace {

// Every frame of one loop, the closing empty frame left out.
std::vector<std::string> Loop(int effect, const std::string& text) {
    WordList words;
    SplitTextIntoWords(text, words);
    std::vector<std::string> frames;
    for (int step = 1; step < 1000000; ++step) {
        std::string frame = FrameFor(effect, text, words, step);
        if (frame.empty()) return frames;
        frames.push_back(std::move(frame));
    }
    ADD_FAILURE() << "effect " << effect << " never ends its loop";
    return frames;
}

using Frames = std::vector<std::string>;

TEST(Frames, LetterAndWordEffectsOnShortTexts) {
    EXPECT_EQ(Loop(0, "abc"), (Frames{"a", "ab", "abc"}));
    EXPECT_EQ(Loop(1, "Hi you"), (Frames{"Hi", "Hi you"}));
    EXPECT_EQ(Loop(1, "a  b"), (Frames{"a", "a ", "a  b"}));
    EXPECT_EQ(Loop(2, "abc"), (Frames{"c", "bc", "abc"}));
    EXPECT_EQ(Loop(3, "abc"), (Frames{"  a", " ab", "abc"}));
    EXPECT_EQ(Loop(4, "abc"), (Frames{"abc", "abc", "abc", " ", " "}));
    EXPECT_EQ(Loop(5, "abc"), (Frames{"a*bc", "ab*c", "abc*"}));
    EXPECT_EQ(Loop(6, "abc"), (Frames{"Abc", "aBc", "abC"}));
    EXPECT_EQ(Loop(11, "abc"), (Frames{"abc", "abc", "abc"}));
}

TEST(Frames, UppercaseAcrossUsesTheCodePage) {
    EXPECT_EQ(Loop(6,
                   "\xE9\x9A"
                   "1"),
              (Frames{"\xC9\x9A"
                      "1",
                      "\xE9\x8A"
                      "1",
                      "\xE9\x9A"
                      "1"}));
}

TEST(Frames, ExpandAndShrinkForEvenAndOddLengths) {
    EXPECT_EQ(Loop(7, "abcdef"), (Frames{"  af", " abef", "abcdef", "abcdef", "abcdef", "abcdef"}));
    EXPECT_EQ(Loop(7, "abcde"), (Frames{" ae", "abde", "abcde", "abcde", "abcde"}));
    EXPECT_EQ(Loop(7, "x"), (Frames{"x", "x", "x"}));
    EXPECT_EQ(Loop(8, "abcdef"), (Frames{"abcdef", "abcdef", "abcdef", " abef", "  af", "   "}));
    EXPECT_EQ(Loop(8, "abcde"), (Frames{"abcde", "abcde", "abde", " ae", "  "}));
    EXPECT_EQ(Loop(8, "x"), (Frames{"x", "x"})) << "the step-3 frame of one letter is empty";
}

TEST(Frames, ShootingLettersFlyInAndHoldTwentySteps) {
    const Frames ab = Loop(9, "ab");
    ASSERT_EQ(ab.size(), 63u);
    EXPECT_EQ(ab[0], std::string(21, ' ') + "a");
    EXPECT_EQ(ab[21], "a");
    EXPECT_EQ(ab[22], "a" + std::string(20, ' ') + "b");
    EXPECT_EQ(ab[42], "ab");
    EXPECT_EQ(ab[43], "ab" + std::string(19, ' '));
    EXPECT_EQ(ab[62], "ab");
    for (size_t length : {0u, 1u, 10u, 37u}) {
        const std::string text(length, 'q');
        EXPECT_EQ(Loop(9, text).size(), (length + 1) * (length + 40) / 2 - (length == 0)) << length;
    }
    EXPECT_EQ(Loop(9, "abcdefghij")[0].find('a'), 29u);
}

TEST(Frames, ShootingWordsFlyWithTheirLeadingSpaces) {
    const Frames hi = Loop(10, "Hi you");
    ASSERT_EQ(hi.size(), 50u);
    EXPECT_EQ(hi[0], std::string(25, ' ') + "Hi");
    EXPECT_EQ(hi[25], "Hi");
    EXPECT_EQ(hi[26], "Hi" + std::string(23, ' ') + " you");
    EXPECT_EQ(hi[49], "Hi you");
}

TEST(Frames, EmptyTextEndsAtOnceExceptShootingLetters) {
    for (int effect = 0; effect < 12; ++effect) {
        if (effect == 9) continue;
        EXPECT_TRUE(Loop(effect, "").empty()) << effect;
    }
    const Frames blanks = Loop(9, "");
    ASSERT_EQ(blanks.size(), 19u);
    EXPECT_EQ(blanks.front(), std::string(19, ' '));
    EXPECT_EQ(blanks.back(), " ");
}

TEST(Frames, LongTextsKeepEveryFrameNonEmptyAndOutOfRangeIndexGivesNothing) {
    const std::string text(500, 'm');
    for (int effect = 0; effect < 12; ++effect) {
        const Frames frames = Loop(effect, text);
        EXPECT_FALSE(frames.empty()) << effect;
    }
    EXPECT_EQ(Loop(3, text).back(), text);
    EXPECT_EQ(FrameFor(12, "abc", {}, 1), "");
    EXPECT_EQ(FrameFor(-1, "abc", {}, 1), "");
}

}  // namespace
}  // namespace glintwick
