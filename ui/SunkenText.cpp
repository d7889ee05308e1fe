// Drawing of the sunken preview display; spaces are drawn as they are, frames change often.
#include "ui/SunkenText.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include "ui/Accessibility.h"

namespace glintwick {

// clang-format off
wxBEGIN_EVENT_TABLE(CSunkenText, wxControl)
    EVT_PAINT(CSunkenText::OnPaint)
wxEND_EVENT_TABLE()
// clang-format on

CSunkenText::CSunkenText(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size)
    : wxControl(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetInitialSize(size);
    // A screen reader reads the frame when asked and is never told of each new one.
    ExposeAsMarquee(this, [this] { return m_text; });
}

wxSize CSunkenText::DoGetBestSize() const {
    return wxSize(FromDIP(100), GetCharHeight() + FromDIP(6));
}

void CSunkenText::SetLabel(const wxString& label) {
    if (label == m_text) return;
    m_text = label;
    Refresh(false);
}

void CSunkenText::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const wxSize size = GetClientSize();
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    // The sunken edge: dark above and left, lighter below and right. The classic white
    // highlight vanishes on a light background, so the lower edge is half way between the
    // background and the shadow: lighter than the upper edge, but always visible.
    const wxColour background = GetParent()->GetBackgroundColour();
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    const auto halfway = [](unsigned char a, unsigned char b) {
        return static_cast<unsigned char>((a + b) / 2);
    };
    const wxColour lower(halfway(background.Red(), shadow.Red()),
                         halfway(background.Green(), shadow.Green()),
                         halfway(background.Blue(), shadow.Blue()));
    dc.SetPen(wxPen(shadow));
    dc.DrawLine(0, 0, size.x - 1, 0);
    dc.DrawLine(0, 0, 0, size.y - 1);
    dc.SetPen(wxPen(lower));
    dc.DrawLine(size.x - 1, 0, size.x - 1, size.y);
    dc.DrawLine(0, size.y - 1, size.x, size.y - 1);

    dc.SetFont(GetFont());
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    wxDCClipper clip(dc, wxRect(2, 1, size.x - 4, size.y - 2));
    const int textHeight = dc.GetCharHeight();
    dc.DrawText(m_text, 3, (size.y - textHeight) / 2);
}

}  // namespace glintwick
