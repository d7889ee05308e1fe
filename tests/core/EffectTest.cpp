// Effect catalogue, record defaults and the word-splitting rule.
#include <gtest/gtest.h>

#include "effects/EffectCatalogue.h"
#include "model/Effect.h"
#include "script/ScriptWriter.h"

namespace glintwick {
namespace {

TEST(EffectCatalogue, HasTwelveNamedEffectsInOrder) {
    EXPECT_EQ(CEffect::GetNumEffects(), 12);
    EXPECT_EQ(CEffect::GetEffectNameByIndex(0), "Typewriter - letter by letter");
    EXPECT_EQ(CEffect::GetEffectNameByIndex(6), "Uppercase Across");
    EXPECT_EQ(CEffect::GetEffectNameByIndex(11), "No Effect");
    for (int i = 0; i < 12; ++i) EXPECT_EQ(IsWordBasedEffect(i), i == 1 || i == 10) << i;
}

TEST(EffectRecord, DefaultsAndConstructedValues) {
    CEffect defaults;
    EXPECT_EQ(defaults.GetText(), "Enter your Status Bar text here");
    EXPECT_EQ(defaults.GetEffect(), 0);
    EXPECT_EQ(defaults.GetSpeed(), 10);
    EXPECT_EQ(defaults.GetLoops(), 1);
    EXPECT_EQ(defaults.GetWords().size(), 6u);
    EXPECT_EQ(defaults.GetEffectName(), "Typewriter - letter by letter");

    CEffect shooting("Have fun", 10, 20, 3);
    EXPECT_EQ(shooting.GetEffectName(), "Shooting Words");
    EXPECT_EQ(shooting.GetWords().size(), 2u);
}

TEST(EffectRecord, SettersStoreAnyValueAndNameIsEmptyOutsideCatalogue) {
    CEffect effect;
    effect.SetSpeed(25);
    effect.SetLoops(-5);
    effect.SetEffect(12);
    EXPECT_EQ(effect.GetSpeed(), 25);
    EXPECT_EQ(effect.GetLoops(), -5);
    EXPECT_EQ(effect.GetEffectName(), "");
    EXPECT_EQ(GetEffectFunctionScript(effect), "");
}

using Words = std::vector<std::string>;

// The words a list holds, as strings; the list starts with a stale split of its own.
Words Split(const std::string& text) {
    WordList list;
    SplitTextIntoWords("stale words", list);
    SplitTextIntoWords(text, list);
    Words words;
    for (size_t i = 0; i < list.size(); ++i) words.emplace_back(list.Word(text, i));
    return words;
}

TEST(WordSplitting, FollowsTheSpaceRule) {
    EXPECT_EQ(Split("Hello big world"), (Words{"Hello", " big", " world"}));
    EXPECT_EQ(Split("a  b"), (Words{"a", " ", " b"}));
    EXPECT_EQ(Split(" a"), (Words{" a"}));
    EXPECT_EQ(Split("a "), (Words{"a", " "}));
    EXPECT_EQ(Split("   "), (Words{" ", " ", " "}));
    EXPECT_EQ(Split(""), Words{});
    EXPECT_EQ(Split("one"), (Words{"one"}));
    EXPECT_EQ(Split("a\tb\nc"), (Words{"a\tb\nc"}));
}

TEST(WordSplitting, WordsJoinBackToTextAndSplittingTwiceDoesNotDouble) {
    const std::string texts[] = {"",      " ",       "  x  y ",       "a b  c   d",
                                 " lead", "trail  ", "\xE9t\xE9 \x80"};
    for (const auto& text : texts) {
        CEffect effect(text, 1, 10, 1);
        effect.SplitWords();
        const WordList& words = effect.GetWords();
        std::string joined;
        for (size_t i = 0; i < words.size(); ++i) {
            const std::string_view w = words.Word(text, i);
            EXPECT_FALSE(w.empty());
            EXPECT_EQ(w.find(' ', 1), std::string::npos) << "only a leading space: " << w;
            joined += w;
        }
        EXPECT_EQ(joined, text);
    }
}

}  // namespace
}  // namespace glintwick
