// The hyperlink control: drawing, the program's hand cursor and opening the maker's page.
#include "ui/HyperLink.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/weakref.h>

#include <algorithm>
#include <cmath>

#include "model/MessageFormat.h"
#include "resources/Art.h"
#include "resources/StringTable.h"
#include "ui/Accessibility.h"
#include "ui/Prompt.h"
#include "ui/Translations.h"
#include "ui/WebBrowser.h"

namespace glintwick {

namespace {

double Luminance(const wxColour& colour) {
    const auto channel = [](unsigned char value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.Red()) + 0.7152 * channel(colour.Green()) +
           0.0722 * channel(colour.Blue());
}

double Contrast(const wxColour& a, const wxColour& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double kTextContrast = 4.5;

}  // namespace

wxColour ReadableLinkColour(const wxColour& wanted, const wxColour& theme,
                            const wxColour& background) {
    if (Contrast(wanted, background) >= kTextContrast) return wanted;
    if (Contrast(theme, background) >= kTextContrast) return theme;
    // The better of white and black reads against any background at 4.58:1 or more, so the
    // mix gets there.
    const wxColour end =
        Contrast(*wxWHITE, background) > Contrast(*wxBLACK, background) ? *wxWHITE : *wxBLACK;
    for (int part = 1; part <= 10; ++part) {
        const auto mix = [&](unsigned char from, unsigned char to) {
            return static_cast<unsigned char>(from + (to - from) * part / 10);
        };
        const wxColour mixed(mix(theme.Red(), end.Red()), mix(theme.Green(), end.Green()),
                             mix(theme.Blue(), end.Blue()));
        if (Contrast(mixed, background) >= kTextContrast) return mixed;
    }
    return end;
}

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
    m_room = GetSize();
    FitText();
}

void CHyperLink::FitText() {
    // A text link is as large as its text: the hand and the click belong to the text, not to
    // the empty rest of the room its template gives it, and the underline and the letters'
    // descenders are whole whatever the font. (GetBestSize would answer the template's size,
    // which the control was given as its initial one.)
    if (m_bitmap.IsOk() || GetLabel().empty()) return;
    const wxSize text = DoGetBestSize();
    SetSize(std::min(m_room.x, text.x), std::max(m_room.y, text.y));
}

bool CHyperLink::SetFont(const wxFont& font) {
    const bool changed = wxControl::SetFont(font);
    FitText();
    return changed;
}

wxString CHyperLink::Address() { return str::kMakerUrl; }

// A link that no browser opens says so, with its address, whether the launcher fails at once or
// only when it ends.
void CHyperLink::Open() {
    const wxString address = Address();
    wxWeakRef<wxWindow> owner(wxGetTopLevelParent(this));
    auto sayItDidNotOpen = [owner, address] {
        ShowMessageBox(owner.get(),
                       wxString::FromUTF8(FormatMessage(UiTemplate(str::kLinkNotOpened).c_str(),
                                                        address.utf8_string())),
                       wxOK | wxICON_EXCLAMATION);
    };
    if (!BrowserLauncher()(address, sayItDidNotOpen)) sayItDidNotOpen();
}

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
        // Blue as designed where it reads; a dark theme gets a colour that does.
        dc.SetTextForeground(ReadableLinkColour(GetForegroundColour(),
                                                wxSystemSettings::GetColour(wxSYS_COLOUR_HOTLIGHT),
                                                GetParent()->GetBackgroundColour()));
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
