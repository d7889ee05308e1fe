// The splash window and the application-wide filter that lets the first press close it.
#include "ui/SplashWnd.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/eventfilter.h>

namespace glintwick {

namespace {

constexpr int kSplashMilliseconds = 1000;

// While the splash is up, the first key or mouse-button press anywhere in the program closes
// it and goes no further; releases, moves and everything else pass.
class CSplashFilter : public wxEventFilter {
public:
    int FilterEvent(wxEvent& event) override {
        const wxEventType type = event.GetEventType();
        const bool press = type == wxEVT_KEY_DOWN || type == wxEVT_CHAR_HOOK ||
                           type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN ||
                           type == wxEVT_MIDDLE_DOWN || type == wxEVT_LEFT_DCLICK ||
                           type == wxEVT_RIGHT_DCLICK || type == wxEVT_MIDDLE_DCLICK;
        if (!press || !CSplashWnd::Current()) return Event_Skip;
        CSplashWnd::HideSplash();
        return Event_Processed;
    }
};

CSplashFilter g_filter;

}  // namespace

bool CSplashWnd::s_bSplashEnabled = false;
CSplashWnd* CSplashWnd::s_pSplash = nullptr;

// clang-format off
wxBEGIN_EVENT_TABLE(CSplashWnd, wxFrame)
    EVT_PAINT(CSplashWnd::OnPaint)
    EVT_TIMER(wxID_ANY, CSplashWnd::OnTimer)
wxEND_EVENT_TABLE()
// clang-format on

void CSplashWnd::EnableSplash(bool enable) { s_bSplashEnabled = enable; }

void CSplashWnd::ShowSplash(wxWindow* parent, const wxBitmap& picture) {
    if (!s_bSplashEnabled || s_pSplash || !picture.IsOk()) return;
    s_pSplash = new CSplashWnd(parent, picture);
    s_pSplash->Show();
    s_pSplash->Update();
}

void CSplashWnd::HideSplash() {
    if (!s_pSplash) return;
    wxWindow* owner = s_pSplash->GetParent();
    s_pSplash->Hide();
    s_pSplash->Destroy();
    s_pSplash = nullptr;
    wxEvtHandler::RemoveFilter(&g_filter);
    if (owner) {
        owner->Refresh();
        owner->Update();
    }
}

CSplashWnd::CSplashWnd(wxWindow* parent, const wxBitmap& picture)
    : wxFrame(parent, wxID_ANY, wxEmptyString, wxPoint(0, 0), picture.GetSize(),
              // GTK gives a frame without any border a 1 x 1 size; a one-pixel line it keeps.
              wxBORDER_SIMPLE | wxFRAME_NO_TASKBAR | wxSTAY_ON_TOP),
      m_bmpSplash(picture),
      m_timer(this) {
    // Centred over the work area (the owner is not yet visible at start-up), and kept inside it.
    const int display = wxDisplay::GetFromWindow(parent ? parent : this);
    const wxRect area =
        wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
    wxRect rect(wxPoint(0, 0), picture.GetSize());
    rect = rect.CentreIn(area);
    rect.x = std::max(area.x, std::min(rect.x, area.GetRight() - rect.width + 1));
    rect.y = std::max(area.y, std::min(rect.y, area.GetBottom() - rect.height + 1));
    Move(rect.GetPosition());
    m_timer.StartOnce(kSplashMilliseconds);
    wxEvtHandler::AddFilter(&g_filter);
}

CSplashWnd::~CSplashWnd() {
    if (s_pSplash == this) {
        s_pSplash = nullptr;
        wxEvtHandler::RemoveFilter(&g_filter);
    }
}

void CSplashWnd::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.DrawBitmap(m_bmpSplash, 0, 0);
}

void CSplashWnd::OnTimer(wxTimerEvent&) { HideSplash(); }

}  // namespace glintwick
