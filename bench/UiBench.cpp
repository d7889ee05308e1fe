// Window benchmark: list commands on a project of a million effects, and both previews' time.
#include <wx/app.h>
#include <wx/frame.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "model/TallowmereDoc.h"
#include "preview/SequenceTiming.h"
#include "ui/EffectDlg.h"
#include "ui/MainFrame.h"
#include "ui/PlatformStyle.h"
#include "ui/SunkenText.h"
#include "ui/TallowmereView.h"

namespace glintwick {
namespace {

constexpr int kScaleEffects = 1000000;
constexpr int kRuns = 5;
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs `work`, then lets the window settle until it is idle; the median over kRuns.
double MedianMsToIdle(const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = Clock::now();
        work();
        while (wxTheApp->Pending()) wxTheApp->Dispatch();
        wxTheApp->ProcessIdle();
        times.push_back(SecondsSince(start) * 1000);
    }
    std::sort(times.begin(), times.end());
    return times[kRuns / 2];
}

// Processes events for `seconds` of wall clock, calling `watch` after each.
void RunFor(double seconds, const std::function<void()>& watch) {
    const auto start = Clock::now();
    while (SecondsSince(start) < seconds) {
        wxTheApp->Yield(true);
        watch();
        wxMilliSleep(1);
    }
}

std::string TextOfLength(int i) {
    std::string text = "Effect " + std::to_string(i) + " with a message";
    text.resize(30 + i % 31, '.');
    return text;
}

class CBenchApp : public wxApp {
public:
    bool OnInit() override {
        std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each figure as soon as it is measured
        ApplyPlatformStyle();
        ListCommandsAtScale();
        PreviewTiming();
        CallAfter([this] { ExitMainLoop(); });
        return true;
    }

private:
    void ListCommandsAtScale() {
        CTallowmereDoc doc;
        doc.InitNewProject();
        for (int i = 0; i < kScaleEffects; ++i)
            doc.AppendLoaded(TextOfLength(i), i % 12, 1 + i % 20, 1 + i % 10);
        auto* frame = new CMainFrame(doc);
        CTallowmereView* view = frame->GetView();
        view->OnInitialUpdate();
        frame->Show();
        wxYield();
        const int middle = kScaleEffects / 2;
        const struct {
            const char* name;
            std::function<void()> command;
        } commands[] = {
            {"add", [&] { doc.AddEffect(std::make_unique<CEffect>(TextOfLength(1), 0, 10, 1)); }},
            {"edit", [&] { doc.UpdateEffect(doc.GetAt(middle), TextOfLength(2), 3, 12, 2); }},
            {"delete", [&] { doc.DeleteEffect(doc.GetCount() - 1); }},
            {"move-up",
             [&] {
                 wxCommandEvent click;
                 view->SelectRow(middle);
                 view->OnMoveUp(click);
             }},
            {"move-down",
             [&] {
                 wxCommandEvent click;
                 view->SelectRow(middle);
                 view->OnMoveDown(click);
             }},
        };
        for (const auto& c : commands)
            std::printf("scale: %s at %d: %.2f ms\n", c.name, kScaleEffects,
                        MedianMsToIdle(c.command));
        frame->Destroy();
        wxYield();
    }

    // A pass stated by the read-out against the wall clock, for the main preview; and one loop of
    // the Effect dialog's preview against the ticks it takes.
    void PreviewTiming() {
        CTallowmereDoc doc;
        doc.InitNewProject();
        // Every effect but the long Shooting Letters, played twice: about 25 s.
        for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11})
            doc.AppendLoaded("Timing the preview", i, 12, 1);
        doc.SetRepeat(2);
        const double stated = *MeasureTiming(doc).totalTicks * kTickMilliseconds / 1000.0;
        auto* frame = new CMainFrame(doc);
        CTallowmereView* view = frame->GetView();
        view->OnInitialUpdate();
        frame->Show();
        wxCommandEvent start;
        const auto started = Clock::now();
        view->OnStart(start);
        while (view->IsPlaying()) {
            wxTheApp->Yield(true);
            wxMilliSleep(1);
        }
        const double measured = SecondsSince(started);
        std::printf("timing: main preview pass stated %.2f s, measured %.2f s (%+.1f%%)\n", stated,
                    measured, (measured / stated - 1) * 100);

        // Typewriter on "abc" at speed 10: four frame calls of 22 - 10 ticks each a loop.
        CEffect effect("abc", 0, 10, 1);
        auto* dialog = new CEffectDlg(frame, effect);
        dialog->Show();
        const double loop = 4 * (22 - 10) * kTickMilliseconds / 1000.0;
        int loops = 0;
        wxString last;
        Clock::time_point first, latest;
        RunFor(21, [&] {
            const wxString shown = dialog->PreviewText()->GetLabel();
            if (shown == "a" && last != "a") {
                latest = Clock::now();
                if (loops++ == 0) first = latest;
            }
            last = shown;
        });
        const double perLoop =
            std::chrono::duration<double>(latest - first).count() / std::max(1, loops - 1);
        std::printf("timing: effect dialog loop stated %.2f s, measured %.2f s (%+.1f%%)\n", loop,
                    perLoop, (perLoop / loop - 1) * 100);
        dialog->Destroy();
        frame->Destroy();
        wxYield();
    }
};

}  // namespace
}  // namespace glintwick

wxIMPLEMENT_APP(glintwick::CBenchApp);
