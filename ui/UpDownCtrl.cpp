// The up-down arrows control: drawing, clicks with auto-repeat, and buddy arrow keys.
#include "ui/UpDownCtrl.h"

#include <wx/spinbutt.h>

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include <algorithm>

#include "ui/Accessibility.h"

namespace glintwick {

// clang-format off
wxBEGIN_EVENT_TABLE(CUpDownCtrl, wxControl)
    EVT_PAINT(CUpDownCtrl::OnPaint)
    EVT_LEFT_DOWN(CUpDownCtrl::OnMouseDown)
    EVT_LEFT_DCLICK(CUpDownCtrl::OnMouseDown)
    EVT_LEFT_UP(CUpDownCtrl::OnMouseUp)
    EVT_TIMER(wxID_ANY, CUpDownCtrl::OnRepeat)
wxEND_EVENT_TABLE()
// clang-format on

CUpDownCtrl::CUpDownCtrl(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size)
    : wxControl(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE), m_repeat(this) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetInitialSize(size);
    ExposeAsSpinButton(this,
                       {[this] { return CurrentValue(); }, [this] { return m_low; },
                        [this] { return m_high; }, [this](int value) { SetCurrentValue(value); }});
}

wxSize CUpDownCtrl::DoGetBestSize() const { return FromDIP(wxSize(16, 24)); }

void CUpDownCtrl::SetBuddy(wxTextCtrl* buddy) {
    m_buddy = buddy;
    if (m_buddy) m_buddy->Bind(wxEVT_KEY_DOWN, &CUpDownCtrl::OnBuddyKey, this);
}

void CUpDownCtrl::SetRange(int low, int high) {
    m_low = low;
    m_high = high;
    m_position = std::clamp(m_position, std::min(low, high), std::max(low, high));
}

int CUpDownCtrl::CurrentValue() const {
    long value = 0;
    if (m_buddy && m_buddy->GetValue().Trim().Trim(false).ToLong(&value))
        return static_cast<int>(value);
    return m_position;
}

void CUpDownCtrl::SetCurrentValue(int value) {
    m_position = std::clamp(value, m_low, m_high);
    if (m_buddy) m_buddy->SetValue(wxString::Format("%d", m_position));
    NotifyValueChanged(this);
}

void CUpDownCtrl::Step(int direction) {
    SetCurrentValue(CurrentValue() + direction);
    // The owner hears of a step as of a spin control's: the arrows take no focus, so the
    // buddy's losing it cannot tell of the change.
    wxSpinEvent stepped(wxEVT_SPIN, GetId());
    stepped.SetEventObject(this);
    stepped.SetPosition(m_position);
    ProcessWindowEvent(stepped);
}

void CUpDownCtrl::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    const wxSize size = GetClientSize();
    const int half = size.y / 2;
    wxRendererNative& renderer = wxRendererNative::Get();
    const int pressed = wxCONTROL_PRESSED;
    const int disabled = wxCONTROL_DISABLED;
    const int flagsUp = IsEnabled() ? (m_pressed > 0 ? pressed : 0) : disabled;
    const int flagsDown = IsEnabled() ? (m_pressed < 0 ? pressed : 0) : disabled;
    renderer.DrawPushButton(this, dc, wxRect(0, 0, size.x, half), flagsUp);
    renderer.DrawPushButton(this, dc, wxRect(0, half, size.x, size.y - half), flagsDown);

    const wxColour ink =
        wxSystemSettings::GetColour(IsEnabled() ? wxSYS_COLOUR_BTNTEXT : wxSYS_COLOUR_GRAYTEXT);
    dc.SetPen(ink);
    dc.SetBrush(ink);
    const int w = std::max(3, std::min(size.x - 6, half - 4) | 1);
    const int h = (w + 1) / 2;
    const int cx = size.x / 2;
    const int upY = (half - h) / 2;
    const wxPoint up[] = {{cx - w / 2, upY + h}, {cx + w / 2, upY + h}, {cx, upY}};
    dc.DrawPolygon(3, up);
    const int downY = half + (size.y - half - h) / 2;
    const wxPoint down[] = {{cx - w / 2, downY}, {cx + w / 2, downY}, {cx, downY + h}};
    dc.DrawPolygon(3, down);
}

void CUpDownCtrl::OnMouseDown(wxMouseEvent& event) {
    if (!IsEnabled()) return;
    m_pressed = event.GetY() < GetClientSize().y / 2 ? 1 : -1;
    Step(m_pressed);
    CaptureMouse();
    m_repeat.StartOnce(400);
    Refresh();
}

void CUpDownCtrl::OnMouseUp(wxMouseEvent&) {
    if (HasCapture()) ReleaseMouse();
    m_repeat.Stop();
    m_pressed = 0;
    Refresh();
}

void CUpDownCtrl::OnRepeat(wxTimerEvent&) {
    if (m_pressed == 0) return;
    Step(m_pressed);
    m_repeat.StartOnce(60);
}

void CUpDownCtrl::OnBuddyKey(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (IsEnabled() && (key == WXK_UP || key == WXK_DOWN) && !event.HasAnyModifiers()) {
        Step(key == WXK_UP ? 1 : -1);
        m_buddy->SetInsertionPointEnd();
        return;
    }
    event.Skip();
}

}  // namespace glintwick
