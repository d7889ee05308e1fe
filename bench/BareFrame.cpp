// The baseline for start-up time: a bare wx frame that ends at its first idle moment.
#include <wx/app.h>
#include <wx/frame.h>

class CBareApp : public wxApp {
public:
    bool OnInit() override {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "bare");
        frame->Show();
        Bind(wxEVT_IDLE, [this](wxIdleEvent&) { ExitMainLoop(); });
        return true;
    }
};

wxIMPLEMENT_APP(CBareApp);
