// The About box: name, version, maker and the maker's address as a link.
#pragma once

#include <wx/dialog.h>

namespace glintwick {

class CAboutDlg : public wxDialog {
public:
    explicit CAboutDlg(wxWindow* parent);

private:
    void OnInitDialog(wxInitDialogEvent& event);
    wxFont AtLeastBodySize(wxFont font) const;

    wxFont m_fontBold;
    wxFont m_fontUnderline;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace glintwick
