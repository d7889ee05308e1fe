// Flashes and motion found on the player's timeline.
#include "preview/FlashCheck.h"

#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "model/ProjectFile.h"

namespace glintwick {
namespace {

struct Flagged {
    int effect, flashes;
    long long tick;
    bool operator==(const Flagged&) const = default;
};

struct TimelineCase {
    const char* name;
    int repeat;
    std::vector<test::EffectSpec> effects;
    std::vector<Flagged> flagged;
    int mostFlashes;
};

// Counted by hand from the player's ticks: a flash completes on each return to a text on show
// within the second before (the page starts blank), and the changes of one flash start no
// other. The tick is the first with more than three.
TEST(FlashCheck, FlashesWithinOneSecondAndWhoseFrameCompletesThem) {
    const TimelineCase cases[] = {
        // On for 3 periods, off for 3: 36 ticks a cycle at speed 15, 30 at 16, 6 at 20; a pass
        // of ten loops adds a loading and an idle tick, so at 20 the 17th flash within a
        // second comes only once the pass boundary is the one longer gap in it.
        {"Flashing at 15", 0, {{"Sale", 4, 15, 10}}, {}, 3},
        // Sale at 6, blank at 21 (back to the page's first blank), then every 30 ticks.
        {"Flashing at 16", 0, {{"Sale", 4, 16, 10}}, {{0, 4, 111}}, 4},
        {"Flashing at 20", 0, {{"Sale", 4, 20, 10}}, {{0, 17, 23}}, 17},
        // A trailing blank shows nothing: "Sale " and "Sale" are one steady text.
        {"a blank the page does not show", 0, {{"Sale ", 11, 20, 1}, {"Sale", 11, 20, 1}}, {}, 0},
        // A at 2, B at 7, A again at 13 and every 11 ticks: only A's returns complete flashes.
        {"two texts alternating", 0, {{"A", 11, 20, 1}, {"B", 11, 20, 1}}, {{0, 10, 46}}, 10},
        // "a", "ab", "a", ...: from tick 5 a return every 3 ticks, up to tick 29.
        {"typewriter on two letters", 1, {{"ab", 0, 20, 10}}, {{0, 9, 14}}, 9},
        // "a", "ab", "abc", "a", ...: the text typed anew every 4 ticks flashes once a loop.
        {"a text typed over and over",
         0,
         {{"abc", 0, 20, 10}, {"xyz", 2, 20, 10}},
         {{0, 23, 18}, {1, 23, 47}},
         23},
        {"texts that never come back", 1, {{"abc", 0, 20, 1}, {"xyz", 2, 20, 1}}, {}, 1},
        // A, B, A, ... one effect each, 5 ticks apart: the third, fifth, seventh and ninth
        // effects complete a flash each, the ninth the fourth within a second.
        {"returns across effects",
         1,
         {{"A", 11, 20, 1},
          {"B", 11, 20, 1},
          {"A", 11, 20, 1},
          {"B", 11, 20, 1},
          {"A", 11, 20, 1},
          {"B", 11, 20, 1},
          {"A", 11, 20, 1},
          {"B", 11, 20, 1},
          {"A", 11, 20, 1},
          {"B", 11, 20, 1}},
         {{8, 4, 42}},
         4},
    };
    for (const auto& c : cases) {
        CTallowmereDoc doc;
        doc.InitNewProject();
        doc.SetRepeat(c.repeat);
        for (const auto& e : c.effects) test::Fill(doc, {e});
        const TimelineCheck check = CheckTimeline(doc);
        std::vector<Flagged> flagged;
        for (const FlashFinding& f : check.flashes)
            flagged.push_back({f.effect, f.flashes, f.tick});
        EXPECT_EQ(flagged, c.flagged) << c.name;
        EXPECT_EQ(check.mostFlashes, c.mostFlashes) << c.name;
        EXPECT_TRUE(check.complete) << c.name;
    }
}

TEST(FlashCheck, RepeatsAreReadUntilAPassEndsAsTheOneBeforeAndTheLastChangeFollows) {
    const struct {
        int repeat;
        std::optional<double> lastChange;
    } cases[] = {{1, 11.0}, {3, 31.0}, {1000, 10001.0}, {0, std::nullopt}};
    for (const auto& c : cases) {
        CTallowmereDoc doc;
        doc.InitNewProject();
        doc.SetRepeat(c.repeat);
        // 10 ticks a pass; "abc" completes on tick 8 of each, the final text (empty) follows
        // the last pass on tick 11 of it.
        test::Fill(doc, {{"abc", 0, 20, 2}});
        const TimelineCheck check = CheckTimeline(doc);
        EXPECT_EQ(check.lastChangeTick, c.lastChange) << c.repeat;
        EXPECT_LE(check.examinedTicks, 130)
            << c.repeat << ": a second and a few passes tell the rest";
    }
    CTallowmereDoc still;
    test::Fill(still, {{"Hello", 11, 1, 10}});
    EXPECT_EQ(CheckTimeline(still).lastChangeTick, 21.0) << "one text, shown again and again";
}

TEST(FlashCheck, TheDemoIsCalmAndMovesForMoreThanFiveSeconds) {
    CTallowmereDoc doc;
    LoadProject(doc, std::string(GLINTWICK_SOURCE_DIR) + "/examples/demo.gwk");
    const TimelineCheck check = CheckTimeline(doc);
    EXPECT_TRUE(check.flashes.empty());
    EXPECT_LE(check.mostFlashes, kMaxFlashesPerSecond);
    ASSERT_TRUE(check.lastChangeTick);
    EXPECT_GT(*check.lastChangeTick, kMaxMovingTicks);
}

TEST(FlashCheck, AHugeTimelineIsReadOnlyInPart) {
    CTallowmereDoc doc;
    // Shooting Letters on 100,000 letters: 5 billion frames a loop of up to 100 KB each.
    test::Fill(doc, {{std::string(100000, 'x'), 9, 20, 1}});
    const TimelineCheck check = CheckTimeline(doc);
    EXPECT_FALSE(check.complete);
    EXPECT_GT(check.examinedTicks, 0);
}

TEST(FlashCheck, OneEffectOnItsOwnRepeatedAsThePageDoes) {
    // The effect looping (ten loops a pass, forever): 30 ticks a cycle at 16, 36 at 15.
    const struct {
        const char* text;
        int effect, speed, flashes;
    } cases[] = {{"Sale", 4, 15, 3}, {"Sale", 4, 16, 4}, {"Sale", 4, 20, 17},
                 {"ab", 0, 20, 32},  {"ab", 11, 20, 0},  {"ab", -1, 20, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(FlashesOnItsOwn(c.text, c.effect, c.speed), c.flashes)
            << c.text << " " << c.effect << " " << c.speed;
}

}  // namespace
}  // namespace glintwick
