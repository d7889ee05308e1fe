// A link to the maker's web page, as text or picture: blue, see-through, hand cursor.
#pragma once

#include <wx/bitmap.h>
#include <wx/control.h>

namespace glintwick {

// A window of its own (a GTK label or picture has none), so that the hand cursor and the
// clicks belong to the link alone. One press and release on it opens the page once; a press
// that began elsewhere, a release away from it and the second click of a double click do not.
// It takes the keyboard focus, and Enter or Space open the page too.
// The link's colour on `background`: the first of `wanted` and `theme` (the desktop's own link
// colour) that reads against it at WCAG's 4.5:1 for text, else `theme` lightened (on a dark
// background) or darkened until it does.
wxColour ReadableLinkColour(const wxColour& wanted, const wxColour& theme,
                            const wxColour& background);

class CHyperLink : public wxControl {
public:
    CHyperLink(wxWindow* parent, int id, const wxString& text, const wxPoint& pos,
               const wxSize& size);

    // Shows `bitmap` instead of the text and takes its size; `name` is what a screen reader
    // says for the picture.
    void SetBitmap(const wxBitmap& bitmap, const wxString& name);
    bool SetFont(const wxFont& font) override;
    static wxString Address();
    // Opens the maker's page; a browser that cannot be started is reported in a message.
    void Open();

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnFocus(wxFocusEvent& event);
    void FitText();

    wxBitmap m_bitmap;
    wxSize m_room;  // the room the template gives the link
    bool m_bPressed = false;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace glintwick
