// The Windows look: the native controls as they are, laid out in the system's dialog units.
#include "ui/PlatformStyle.h"

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/window.h>

namespace glintwick {

// The controls take their designed rectangles without help, and message boxes wrap long
// paths themselves.
void ApplyPlatformStyle() {}

void NameProgramForDesktop() {}
void UseCompactStyle(wxWindow*) {}

int ListColumnsWidth(const wxWindow& list) {
    return list.GetClientSize().x - wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, &list);
}

int ShowPlatformMessageBox(wxWindow* parent, const wxString& text, const wxString& caption,
                           long style) {
    UINT type = MB_OK;
    if (style & wxYES_NO)
        type = style & wxCANCEL ? MB_YESNOCANCEL : MB_YESNO;
    else if (style & wxCANCEL)
        type = MB_OKCANCEL;
    if (style & wxNO_DEFAULT) type |= MB_DEFBUTTON2;
    if ((style & wxCANCEL_DEFAULT) && (style & wxYES_NO)) type |= MB_DEFBUTTON3;
    if (style & wxICON_QUESTION)
        type |= MB_ICONQUESTION;
    else if (style & wxICON_ERROR)
        type |= MB_ICONHAND;
    else if (style & wxICON_WARNING)
        type |= MB_ICONEXCLAMATION;
    else if (style & wxICON_INFORMATION)
        type |= MB_ICONINFORMATION;
    // Owned by the window's top level, which it keeps disabled while it shows.
    wxWindow* owner = parent ? wxGetTopLevelParent(parent) : wxTheApp->GetTopWindow();
    const HWND ownerHandle = owner ? owner->GetHWND() : nullptr;
    if (!ownerHandle) type |= MB_TASKMODAL;
    switch (::MessageBoxW(ownerHandle, text.wc_str(), caption.wc_str(), type)) {
        case IDYES: return wxYES;
        case IDNO: return wxNO;
        case IDCANCEL: return wxCANCEL;
        default: return wxOK;
    }
}

}  // namespace glintwick
