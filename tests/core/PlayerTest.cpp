// The main preview player's and the Effect dialog preview's tick timelines.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include "TestSupport.h"
#include "model/ProjectFile.h"
#include "preview/EffectPreviewTicker.h"
#include "preview/PreviewPlayer.h"

namespace glintwick {
namespace {

// The display after each tick, as the window would show it; "stop" on the stopping tick.
std::vector<std::string> PlayTicks(CTallowmereDoc& doc, int ticks) {
    CPreviewPlayer player(doc);
    player.Start();
    std::vector<std::string> shown;
    std::string display;
    for (int i = 0; i < ticks; ++i) {
        const PlayerTick tick = player.Tick();
        if (tick.action == PlayerTick::Action::Stop) {
            shown.push_back("stop");
            break;
        }
        if (tick.action == PlayerTick::Action::Show) display = tick.frame;
        shown.push_back(display);
    }
    return shown;
}

using Trace = std::vector<std::string>;

TEST(PreviewPlayer, OneEffectTwoLoopsOnePassTimeline) {
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.SetRepeat(1);
    test::Fill(doc, {{"abc", 0, 20, 2}});
    EXPECT_EQ(PlayTicks(doc, 100),
              (Trace{"", "a", "ab", "abc", "abc", "a", "ab", "abc", "abc", "abc", "stop"}));
}

TEST(PreviewPlayer, SpeedSetsTheFramePeriodAndFirstFrameFollowsTheLoadingTick) {
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.SetRepeat(1);
    test::Fill(doc, {{"xy", 0, 10, 1}});
    const Trace trace = PlayTicks(doc, 1000);
    // Loaded on tick 1; frames every 11 ticks: 12, 23; the empty frame at 34; idle 35; stop 36.
    ASSERT_EQ(trace.size(), 36u);
    EXPECT_EQ(trace[10], "");
    EXPECT_EQ(trace[11], "x");
    EXPECT_EQ(trace[21], "x");
    EXPECT_EQ(trace[22], "xy");
    EXPECT_EQ(trace.back(), "stop");
}

TEST(PreviewPlayer, RepeatCountsPassesAndForeverNeverStops) {
    CTallowmereDoc doc;
    doc.InitNewProject();
    test::Fill(doc, {{"a", 0, 20, 1}});
    // One pass: load, "a", empty frame, idle = 4 ticks; the next pass loads on the 5th.
    doc.SetRepeat(3);
    const Trace three = PlayTicks(doc, 100);
    ASSERT_EQ(three.size(), 3u * 4 + 1);
    EXPECT_EQ(std::count(three.begin(), three.end(), "a"), 11) << "shown from tick 2 to the stop";
    doc.SetRepeat(0);
    const Trace forever = PlayTicks(doc, 5000);
    EXPECT_EQ(forever.size(), 5000u);
    EXPECT_EQ(std::count(forever.begin(), forever.end(), "stop"), 0);
}

TEST(PreviewPlayer, EmptyListStopsOnTickRepeatPlusOne) {
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.SetRepeat(4);
    const Trace trace = PlayTicks(doc, 100);
    ASSERT_EQ(trace.size(), 5u);
    EXPECT_EQ(trace.back(), "stop");
}

TEST(PreviewPlayer, SequenceMovesOnAfterLoopsAndKeepsLastFrameThroughEmptyEffects) {
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.SetRepeat(1);
    test::Fill(doc, {{"ab", 0, 20, 1}, {"", 11, 20, 2}, {"z", 4, 20, 1}, {"q", 0, 20, 0}});
    // Effect 0: load, two frames, the empty frame. The empty No Effect: load, two empty
    // loops. Flashing: load, five frames, the empty frame. The zero-loop effect is loaded and
    // left on the next tick, which is also the idle tick at the end of the pass.
    EXPECT_EQ(PlayTicks(doc, 100), (Trace{"", "a", "ab", "ab", "ab", "ab", "ab", "ab", "z", "z",
                                          "z", " ", " ", " ", " ", " ", "stop"}));
}

TEST(PreviewPlayer, SpeedsOutsideTheRangeAreTimedAsTheNearestEnd) {
    CTallowmereDoc fast, clamped;
    for (auto* doc : {&fast, &clamped}) {
        doc->InitNewProject();
        doc->SetRepeat(1);
    }
    test::Fill(fast, {{"hello", 6, 20, 1}, {"x", 0, 1, 1}});
    test::Fill(clamped, {{"hello", 6, 2147483647, 1}, {"x", 0, -40, 1}});
    EXPECT_EQ(PlayTicks(clamped, 1000), PlayTicks(fast, 1000));
    EXPECT_EQ(PlayTicks(clamped, 1000).back(), "stop");
}

TEST(EffectPreviewTicker, TimelineForAbAtSpeed20) {
    CEffectPreviewTicker ticker("ab", 0, 20);
    std::vector<std::string> shown;
    std::string display = "old";
    for (int tick = 1; tick <= 9; ++tick) {
        if (auto frame = ticker.Tick()) display = *frame;
        shown.push_back(display);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"a", "a", "ab", "ab", "ab", "ab", "a", "a", "ab"}));
}

TEST(EffectPreviewTicker, RestartBeginsAtStepOneAtTheNextFrameTimeKeepingTheOldFrame) {
    CEffectPreviewTicker ticker("abc", 0, 19);  // a frame every 3 ticks
    EXPECT_EQ(ticker.Tick().value_or("-"), "a");
    EXPECT_FALSE(ticker.Tick());
    EXPECT_TRUE(ticker.Differs("xyz", 0, 19));
    EXPECT_FALSE(ticker.Differs("abc", 0, 19));
    ticker.Restart("Hi you", 1, 19);
    EXPECT_FALSE(ticker.Tick()) << "the countdown is not reset";
    EXPECT_EQ(ticker.Frame(), "a") << "the old frame stays until the next frame time";
    EXPECT_EQ(ticker.Tick().value_or("-"), "Hi");
    ticker.Tick();
    ticker.Tick();
    EXPECT_EQ(ticker.Tick().value_or("-"), "Hi you");
}

TEST(EffectPreviewTicker, SpeedOneGivesAFrameEvery21TicksAndNoSelectionKeepsTheFrame) {
    CEffectPreviewTicker ticker("abc", 0, 1);
    int frames = 0;
    for (int tick = 0; tick < 21 * 3; ++tick) frames += ticker.Tick().has_value();
    EXPECT_EQ(frames, 3);
    ticker.Restart("abc", -1, 20);
    for (int tick = 0; tick < 10; ++tick) ticker.Tick();
    EXPECT_EQ(ticker.Frame(), "abc");
}

// A text of 16 MB of spaces plays in a small multiple of its size: only the word-based effects
// split it, into four bytes a word. glintwick-cli play is the player's real path; the effects
// chosen show short frames, so that the trace's output does not count.
TEST(PreviewPlayer, AHugeTextPlaysInASmallMultipleOfItsSize) {
    constexpr long textKb = 16 * 1024;
    test::TempFolder folder;
    const struct {
        int effect;
        long peakLimitKb;  // the loaded text, the player's copy, and the words where split
    } cases[] = {
        {0, 4 * textKb + 16 * 1024}, {2, 4 * textKb + 16 * 1024}, {1, 8 * textKb + 16 * 1024}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.effect);
        CTallowmereDoc doc;
        doc.InitNewProject();
        test::Fill(doc, {{std::string(textKb * 1024, ' '), c.effect, 20, 1}});
        const std::string path = folder.File("spaces.gwk");
        test::WriteFile(path, SerializeProject(doc));
        const test::ChildResult played =
            test::RunCli({"play", path, "--trace", "--ticks", "100"}, {.timeoutSeconds = 120});
        EXPECT_EQ(played.exitCode, 0) << played.err;
        EXPECT_LT(played.peakKb, c.peakLimitKb);
        std::cout << "  play, effect " << c.effect << ", 16 MB of spaces: " << played.seconds
                  << " s, peak RSS " << played.peakKb << " KiB\n";
    }
}

// Only the word-based effects split their texts; the others leave the record's list empty.
TEST(PreviewPlayer, OnlyWordBasedEffectsSplitTheirText) {
    CTallowmereDoc doc;
    doc.InitNewProject();
    test::Fill(doc, {{"a b c", 0, 20, 1}, {"d e", 1, 20, 1}, {"f g", 4, 20, 1}});
    CPreviewPlayer player(doc);
    player.Start();
    for (int tick = 0; tick < 200; ++tick) player.Tick();
    EXPECT_EQ(doc.GetAt(0)->CachedWordCount(), 0u);
    EXPECT_EQ(doc.GetAt(1)->CachedWordCount(), 2u);
    EXPECT_EQ(doc.GetAt(2)->CachedWordCount(), 0u);
}

}  // namespace
}  // namespace glintwick
