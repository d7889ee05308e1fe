// Window benchmark: refreshing the main view's list of 10,000 effects beside a bare list insert.
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/listctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "model/TallowmereDoc.h"
#include "ui/MainFrame.h"
#include "ui/PlatformStyle.h"
#include "ui/TallowmereView.h"
#include "ui/WxText.h"

namespace glintwick {
namespace {

constexpr int kEffects = 10000;
constexpr int kRuns = 5;

template <typename F>
double MedianMs(F&& work) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[kRuns / 2];
}

class CBenchApp : public wxApp {
public:
    bool OnInit() override {
        ApplyPlatformStyle();
        CTallowmereDoc& doc = m_doc;
        doc.InitNewProject();
        for (int i = 0; i < kEffects; ++i)
            doc.AppendLoaded(std::make_unique<CEffect>(
                "Effect number " + std::to_string(i) + " with a text of ordinary length", i % 12,
                1 + i % 20, 1 + i % 10));
        auto* frame = new CMainFrame(doc);
        CTallowmereView* view = frame->GetView();
        view->OnInitialUpdate();
        frame->Show();
        wxYield();

        const double refresh = MedianMs([&] { view->OnUpdate(); });

        // Baseline: the same rows and cells into a bare list of the same size and columns.
        auto* bare = new wxListCtrl(frame, wxID_ANY, wxPoint(0, 0), view->EffectsList()->GetSize(),
                                    wxLC_REPORT | wxLC_SINGLE_SEL);
        for (int c = 0; c < 4; ++c) bare->AppendColumn("c", wxLIST_FORMAT_LEFT, 80);
        const double baseline = MedianMs([&] {
            bare->Freeze();
            bare->DeleteAllItems();
            for (int i = 0; i < doc.GetCount(); ++i) {
                const CEffect& e = *doc.GetAt(i);
                bare->InsertItem(i, ToWx(e.GetText()));
                bare->SetItem(i, 1, ToWx(e.GetEffectName()));
                bare->SetItem(i, 2, wxString::Format("%d", e.GetSpeed()));
                bare->SetItem(i, 3, wxString::Format("%d", e.GetLoops()));
            }
            bare->Thaw();
        });
        std::printf("view refresh of %d effects    %8.2f ms (median of %d)\n", kEffects, refresh,
                    kRuns);
        std::printf("bare wxListCtrl, same rows     %8.2f ms (baseline, same run)\n", baseline);
        std::printf("ratio                          %8.2fx\n", refresh / baseline);
        frame->Destroy();
        CallAfter([this] { ExitMainLoop(); });
        return true;
    }

private:
    CTallowmereDoc m_doc;  // outlives the frame, which is destroyed after OnInit
};

}  // namespace
}  // namespace glintwick

wxIMPLEMENT_APP(glintwick::CBenchApp);
