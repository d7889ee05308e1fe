// A sunken one-line text display, left-aligned and vertically centred, for preview frames.
#pragma once

#include <wx/control.h>

namespace glintwick {

class CSunkenText : public wxControl {
public:
    CSunkenText(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size);

    void SetLabel(const wxString& label) override;
    wxString GetLabel() const override { return m_text; }
    bool AcceptsFocus() const override { return false; }

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);

    wxString m_text;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace glintwick
