// The result dialog of Generate Javascript: the link tag, selected and ready to copy.
#pragma once

#include <wx/dialog.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace glintwick {

class CScriptDoneDlg : public wxDialog {
public:
    explicit CScriptDoneDlg(wxWindow* parent);

    bool TransferDataToWindow() override;
    void OnMoreInfo(wxCommandEvent& event);

    wxString m_strTag;

    wxTextCtrl* TagEdit() const { return m_edtTag; }
    wxStaticText* TitleText() const { return m_stcTitle; }

private:
    void OnInitDialog(wxInitDialogEvent& event);

    wxFont m_fontTitle;
    wxStaticText* m_stcTitle = nullptr;
    wxTextCtrl* m_edtTag = nullptr;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace glintwick
