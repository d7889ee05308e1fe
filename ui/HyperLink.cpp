// The hyperlink control: drawing, the program's hand cursor and opening the maker's page.
#include "ui/HyperLink.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>

#include <algorithm>

#include "resources/Art.h"
#include "resources/StringTable.h"
#include "ui/Accessibility.h"
#include "ui/WebBrowser.h"

namespace glintwick {

// clang-format off
wxBEGIN_EVENT_TABLE(CHyperLink, wxControl)
    EVT_PAINT(CHyperLink::OnPaint)
    EVT_LEFT_DOWN(CHyperLink::OnLeftDown)
    EVT_LEFT_UP(CHyperLink::OnLeftUp)
    EVT_LEFT_DCLICK(CHyperLink::OnLeftDoubleClick)
    EVT_MOUSE_CAPTURE_LOST(CHyperLink::OnCaptureLost)
    EVT_KEY_DOWN(CHyperLink::OnKeyDown)
    EVT_SET_FOCUS(CHyperLink::OnFocus)
    EVT_KILL_FOCUS(CHyperLink::OnFocus)
wxEND_EVENT_TABLE()
// clang-format on

CHyperLink::CHyperLink(wxWindow* parent, int id, const wxString& text, const wxPoint& pos,
                       const wxSize& size)
    : wxControl(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE) {
    SetLabel(text);
    SetName(text);
    SetAccessibleRole(this, AccessibleRole::Link);
    if (!text.empty()) SetAccessibleName(this, text);
    SetForegroundColour(wxColour(0, 0, 255));
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetCursor(HandCursor());
    SetInitialSize(size);
    FitText();
}

void CHyperLink::FitText() {
    // A text link is as wide as its text: the hand and the click belong to the text, not to
    // the empty rest of the room its template gives it.
    if (!m_bitmap.IsOk() && !GetLabel().empty())
        SetSize(std::min(GetSize().x, GetBestSize().x), GetSize().y);
}

bool CHyperLink::SetFont(const wxFont& font) {
    const bool changed = wxControl::SetFont(font);
    FitText();
    return changed;
}

wxString CHyperLink::Address() { return str::kMakerUrl; }

void CHyperLink::Open() { BrowserLauncher()(Address(), nullptr); }

void CHyperLink::SetBitmap(const wxBitmap& bitmap, const wxString& name) {
    m_bitmap = bitmap;
    SetAccessibleName(this, name);
    SetSize(bitmap.GetWidth(), bitmap.GetHeight());
    Refresh();
}

wxSize CHyperLink::DoGetBestSize() const {
    if (m_bitmap.IsOk()) return m_bitmap.GetSize();
    return GetTextExtent(GetLabel()) + wxSize(2, 2);
}

void CHyperLink::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    // See-through: the parent's own background under the text or picture.
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    if (m_bitmap.IsOk()) {
        dc.DrawBitmap(m_bitmap, 0, 0, true);
    } else {
        dc.SetFont(GetFont());
        dc.SetTextForeground(GetForegroundColour());
        dc.DrawText(GetLabel(), 1, 1);
    }
    if (HasFocus()) wxRendererNative::Get().DrawFocusRect(this, dc, GetClientRect());
}

void CHyperLink::OnLeftDown(wxMouseEvent& event) {
    m_bPressed = true;
    if (!HasCapture()) CaptureMouse();
    event.Skip();
}

void CHyperLink::OnLeftUp(wxMouseEvent& event) {
    const bool open = m_bPressed && GetClientRect().Contains(event.GetPosition());
    m_bPressed = false;
    if (HasCapture()) ReleaseMouse();
    if (open) Open();
    event.Skip();
}

// The second press of a double click is no new click.
void CHyperLink::OnLeftDoubleClick(wxMouseEvent& event) {
    m_bPressed = false;
    event.Skip();
}

void CHyperLink::OnCaptureLost(wxMouseCaptureLostEvent&) { m_bPressed = false; }

void CHyperLink::OnKeyDown(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_SPACE) {
        Open();
        return;
    }
    event.Skip();
}

void CHyperLink::OnFocus(wxFocusEvent& event) {
    Refresh();
    event.Skip();
}

}  // namespace glintwick
