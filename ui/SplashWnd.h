// The start-up picture: shown for a second, or until the first key or mouse-button press.
#pragma once

#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/timer.h>

namespace glintwick {

class CSplashWnd : public wxFrame {
public:
    static void EnableSplash(bool enable);
    // Shows the picture centred over the screen's work area, owned by `parent`; does nothing
    // when disabled, when a splash is already up, or when the picture is missing.
    static void ShowSplash(wxWindow* parent, const wxBitmap& picture);
    static void HideSplash();
    static CSplashWnd* Current() { return s_pSplash; }

private:
    CSplashWnd(wxWindow* parent, const wxBitmap& picture);
    ~CSplashWnd() override;
    void OnPaint(wxPaintEvent& event);
    void OnTimer(wxTimerEvent& event);

    static bool s_bSplashEnabled;
    static CSplashWnd* s_pSplash;

    wxBitmap m_bmpSplash;
    wxTimer m_timer;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace glintwick
