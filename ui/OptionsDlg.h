// The Options dialog: the project's final text and automatic start.
#pragma once

#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>

#include <string>

namespace glintwick {

class COptionsDlg : public wxDialog {
public:
    static constexpr int kMaxFinalText = 300;

    explicit COptionsDlg(wxWindow* parent);

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;
    void OnMoreInfo(wxCommandEvent& event);

    std::string m_strFinalText;
    // The document's value, an int as the document keeps it; only 1 ticks the box.
    int m_bAutoStart = 1;

    wxTextCtrl* FinalTextEdit() const { return m_edtFinalText; }
    wxCheckBox* AutoStartCheck() const { return m_chkAutoStart; }

private:
    void OnInitDialog(wxInitDialogEvent& event);

    wxTextCtrl* m_edtFinalText = nullptr;
    wxCheckBox* m_chkAutoStart = nullptr;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace glintwick
