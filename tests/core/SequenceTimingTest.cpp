// Durations of effects and passes agree with the ticks the player really takes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>

#include "TestSupport.h"
#include "effects/EffectCatalogue.h"
#include "model/ProjectFile.h"
#include "preview/PreviewPlayer.h"
#include "preview/SequenceTiming.h"
#include "script/BrowserPreview.h"

namespace glintwick {
namespace {

TEST(SequenceTiming, OneEffectTimelineCountsEveryTick) {
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.SetRepeat(1);
    test::Fill(doc, {{"abc", 0, 20, 2}});
    const SequenceTiming timing = MeasureTiming(doc);
    EXPECT_EQ(timing.loopTicks, std::vector<double>{4});  // a, ab, abc and the ending step
    EXPECT_EQ(timing.passTicks, 10);                      // load, 2 x 4, idle
    EXPECT_EQ(timing.totalTicks, 10);
}

TEST(SequenceTiming, AgreesWithThePlayerOnRandomProjects) {
    std::mt19937 random(20261207);
    for (int project = 0; project < 200; ++project) {
        CTallowmereDoc doc;
        doc.InitNewProject();
        doc.SetRepeat(1 + static_cast<int>(random() % 3));
        const int effects = static_cast<int>(random() % 4);
        for (int i = 0; i < effects; ++i) {
            std::string text(random() % 12, 'x');
            for (auto& c : text) c = " ab"[random() % 3];
            doc.AppendLoaded(text, static_cast<int>(random() % 12),
                             1 + static_cast<int>(random() % 20), static_cast<int>(random() % 4));
        }
        const SequenceTiming timing = MeasureTiming(doc);
        CPreviewPlayer player(doc);
        player.Start();
        long long ticks = 0;
        while (player.Tick().action != PlayerTick::Action::Stop) ++ticks;
        ASSERT_TRUE(timing.totalTicks.has_value());
        EXPECT_EQ(ticks, *timing.totalTicks) << "the stop comes on the tick after the last pass";
    }
}

TEST(SequenceTiming, LoopLengthsMatchTheFrameFunctionsForEveryEffectAndLength) {
    for (int effect = 0; effect < 12; ++effect) {
        for (size_t length = 0; length <= 30; ++length) {
            std::string text(length, 'a');
            for (size_t i = 2; i < length; i += 3) text[i] = ' ';  // words of every shape
            CTallowmereDoc doc;
            doc.InitNewProject();
            test::Fill(doc, {{text, effect, 20, 1}});
            const WordList& words = doc.GetAt(0)->GetWords();
            long long calls = 1;
            while (!FrameFor(effect, text, words, static_cast<int>(calls)).empty()) ++calls;
            EXPECT_EQ(MeasureTiming(doc).loopTicks.at(0), calls) << effect << " " << length;
        }
    }
}

TEST(SequenceTiming, ForeverAndEndlessLoopsHaveNoTotal) {
    CTallowmereDoc doc;
    doc.InitNewProject();
    test::Fill(doc, {{"ab", 4, 10, 1}});
    EXPECT_FALSE(MeasureTiming(doc).totalTicks.has_value());
    EXPECT_EQ(MeasureTiming(doc).passTicks, 1 + 6 * 11 + 1);
    doc.SetRepeat(2);
    test::Fill(doc, {{"x", 0, 10, -5}});
    EXPECT_FALSE(MeasureTiming(doc).passTicks.has_value());
    EXPECT_FALSE(MeasureTiming(doc).totalTicks.has_value());
}

// Repeat and loops of 2^31 - 1: the durations are the products, not wrapped-around negatives,
// in the status bar's words, in the preview page and in show's JSON.
TEST(SequenceTiming, TheLongestRepeatAndLoopsGiveTheirTrueDuration) {
    const double loopTicks = 32 * 11;  // 31 letters and the ending step, speed 10
    const double pass = 1 + INT32_MAX * loopTicks + 1;
    const double total = pass * INT32_MAX;
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.SetRepeat(INT32_MAX);
    test::Fill(doc, {{"Enter your Status Bar text here", 0, 10, INT32_MAX}});
    const SequenceTiming timing = MeasureTiming(doc);
    EXPECT_EQ(timing.passTicks, pass);
    EXPECT_EQ(timing.totalTicks, total);
    char expected[128];
    std::snprintf(expected, sizeof expected, "One pass: %.2f s, all passes: %.2f s", pass / 100,
                  total / 100);
    const std::string words = DescribeTiming(timing, doc.GetRepeat());
    EXPECT_EQ(words, expected);
    EXPECT_EQ(words.find('-'), std::string::npos);
    EXPECT_NE(PreviewPageHtml(doc, "big.js").find(expected), std::string::npos);

    test::TempFolder folder;
    test::WriteFile(folder.File("big.gwk"), SerializeProject(doc));
    const test::ChildResult shown = test::RunCli({"show", folder.File("big.gwk")});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    const std::string json = shown.out;
    const double passSeconds = std::stod(json.substr(json.find("\"passSeconds\":") + 14));
    const double totalSeconds = std::stod(json.substr(json.find("\"totalSeconds\":") + 15));
    EXPECT_DOUBLE_EQ(passSeconds, pass / 100);
    EXPECT_DOUBLE_EQ(totalSeconds, total / 100);
}

}  // namespace
}  // namespace glintwick

namespace glintwick {
namespace {

// The status bar's sentence for each kind of project, odd ones from files included.
// The status bar follows the list one change at a time; after every command it must state
// what measuring the whole list states.
TEST(SequenceTiming, PassTallyFollowsEveryChangeAsAWholeMeasureWould) {
    struct TallyView : CDocumentView {
        void OnUpdate() override { tally.Follow(*doc); }
        CTallowmereDoc* doc = nullptr;
        CPassTally tally;
    } view;
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.SetRepeat(3);
    view.doc = &doc;
    doc.AddView(&view);
    const CEffect stranger("not in the list", 0, 1, 1);
    const std::string huge(65534, 'x');  // Shooting Letters' pass beyond what doubles hold exactly
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"add", [&] { doc.AddEffect(std::make_unique<CEffect>("one two", 9, 4, 2)); }},
        {"add endless", [&] { doc.AddEffect(std::make_unique<CEffect>("abc", 0, 20, -1)); }},
        {"add", [&] { doc.AddEffect(std::make_unique<CEffect>("a b c", 2, 7, 3)); }},
        {"move", [&] { doc.MoveUp(2); }},
        {"edit", [&] { doc.UpdateEffect(doc.GetAt(0), "longer text", 8, 11, 5); }},
        {"delete endless", [&] { doc.DeleteEffect(2); }},
        {"edit to endless", [&] { doc.UpdateEffect(doc.GetAt(1), "z", 5, 1, -3); }},
        {"edit back", [&] { doc.UpdateEffect(doc.GetAt(1), "z y", 5, 1, 1); }},
        {"edit a stranger", [&] { doc.UpdateEffect(&stranger, "q", 1, 1, 1); }},
        {"add huge", [&] { doc.AddEffect(std::make_unique<CEffect>(huge, 9, 1, INT32_MAX)); }},
        {"delete huge", [&] { doc.DeleteEffect(doc.GetCount() - 1); }},
        {"delete", [&] { doc.DeleteEffect(0); }},
        {"new project",
         [&] {
             doc.InitNewProject();  // the frame refreshes its views after it, as after an open
             doc.NotifyViews();
         }},
    };
    for (const auto& [name, command] : commands) {
        command();
        const SequenceTiming whole = MeasureTiming(doc);
        const SequenceTiming tallied = view.tally.Timing(doc);
        EXPECT_EQ(tallied.effects, whole.effects) << name;
        EXPECT_EQ(tallied.passTicks, whole.passTicks) << name;
        EXPECT_EQ(tallied.totalTicks, whole.totalTicks) << name;
    }
}

TEST(SequenceTiming, DescriptionNamesEmptyAndEndlessProjects) {
    const struct {
        std::vector<test::EffectSpec> effects;
        int repeat;
        const char* text;
    } cases[] = {
        {{}, 0, "No effects to play"},
        {{}, 3, "No effects to play"},
        {{{"a", 11, 20, 1}}, 0, "One pass: 0.06 s, repeated without end"},
        {{{"a", 11, 20, 1}}, -2, "One pass: 0.06 s, repeated without end"},
        {{{"a", 11, 20, 1}}, 1, "One pass: 0.06 s"},
        {{{"a", 11, 20, 1}}, 2, "One pass: 0.06 s, all passes: 0.12 s"},
        {{{"a", 11, 20, -1}}, 1, "The sequence plays without end"},
    };
    for (const auto& c : cases) {
        CTallowmereDoc doc;
        doc.InitNewProject();
        doc.SetRepeat(c.repeat);
        for (const auto& e : c.effects) doc.AppendLoaded(e.text, e.effect, e.speed, e.loops);
        EXPECT_EQ(DescribeTiming(MeasureTiming(doc), c.repeat), c.text) << c.repeat;
    }
}

}  // namespace
}  // namespace glintwick
