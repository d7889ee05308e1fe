// The Options dialog: layout from template 137 and the exchange of its two values.
#include "ui/OptionsDlg.h"

#include "resources/Ids.h"
#include "resources/StringTable.h"
#include "resources/Templates.h"
#include "ui/CodePageTextFilter.h"
#include "ui/DialogBuilder.h"
#include "ui/HelpAccess.h"
#include "ui/Translations.h"
#include "ui/WxText.h"

namespace glintwick {

// clang-format off
wxBEGIN_EVENT_TABLE(COptionsDlg, wxDialog)
    EVT_INIT_DIALOG(COptionsDlg::OnInitDialog)
    EVT_BUTTON(id::kMoreInfoButton, COptionsDlg::OnMoreInfo)
wxEND_EVENT_TABLE()
// clang-format on

COptionsDlg::COptionsDlg(wxWindow* parent)
    : wxDialog(parent, id::kOptionsDialog, UiText(str::kOptionsCaption), wxDefaultPosition,
               wxDefaultSize, kDialogStyle) {
    auto controls = BuildDialog(this, res::kOptionsDialog, wxID_CANCEL);
    m_edtFinalText = wxStaticCast(controls[id::kFinalTextEdit], wxTextCtrl);
    m_chkAutoStart = wxStaticCast(controls[id::kAutoStartCheck], wxCheckBox);
    RestrictToCodePage(m_edtFinalText);
}

bool COptionsDlg::TransferDataToWindow() {
    SetLimitedText(m_edtFinalText, m_strFinalText, kMaxFinalText);
    // Only 1 ticks the box; any other stored value shows (and is stored back) as cleared.
    m_chkAutoStart->SetValue(m_bAutoStart == 1);
    return true;
}

bool COptionsDlg::TransferDataFromWindow() {
    const std::optional<std::string> text = ReadLimitedText(this, m_edtFinalText, kMaxFinalText);
    if (!text) return false;
    m_strFinalText = *text;
    m_bAutoStart = m_chkAutoStart->GetValue() ? 1 : 0;
    return true;
}

void COptionsDlg::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    m_edtFinalText->SetFocus();
}

void COptionsDlg::OnMoreInfo(wxCommandEvent&) { ShowHelpTopic(kHelpTopicOptions); }

}  // namespace glintwick
