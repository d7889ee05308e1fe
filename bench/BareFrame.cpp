// The baselines for start-up and scale: a bare wx frame that ends at its first idle moment,
// optionally holding a list of N empty rows shown the way the program shows its effects.
//   bare_frame [ROWS]   prints "bare: idle after <ms> ms" on stderr
#include <wx/app.h>
#include <wx/dataview.h>
#include <wx/frame.h>

#include <chrono>
#include <cstdio>

namespace {

const std::chrono::steady_clock::time_point g_started = std::chrono::steady_clock::now();

// Four text columns of nothing: the list control's own cost for a row count, without texts.
class CEmptyRows : public wxDataViewVirtualListModel {
public:
    explicit CEmptyRows(unsigned rows) : wxDataViewVirtualListModel(rows) {}
    unsigned GetColumnCount() const override { return 4; }
    wxString GetColumnType(unsigned) const override { return "string"; }
    void GetValueByRow(wxVariant& value, unsigned, unsigned) const override { value = wxString(); }
    bool SetValueByRow(const wxVariant&, unsigned, unsigned) override { return false; }
};

}  // namespace

class CBareApp : public wxApp {
public:
    bool OnInit() override {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "bare");
        if (argc > 1) {
            auto* list = new wxDataViewCtrl(frame, wxID_ANY);
            for (unsigned column = 0; column < 4; ++column)
                list->AppendTextColumn("column", column, wxDATAVIEW_CELL_INERT, 100);
            wxObjectDataPtr<CEmptyRows> rows(new CEmptyRows(0));
            list->AssociateModel(rows.get());
            rows->Reset(static_cast<unsigned>(wxAtoi(argv[1])));
        }
        frame->Show();
        Bind(wxEVT_IDLE, [this](wxIdleEvent&) {
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - g_started;
            std::fprintf(stderr, "bare: idle after %.0f ms\n", took.count());
            ExitMainLoop();
        });
        return true;
    }
};

wxIMPLEMENT_APP(CBareApp);
