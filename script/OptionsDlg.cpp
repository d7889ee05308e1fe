// The Options dialog: layout from template 137 and the exchange of its two values.
#include "script/OptionsDlg.h"

#include "model/FileError.h"
#include "resources/Ids.h"
#include "resources/StringTable.h"
#include "resources/Templates.h"
#include "shell/CodePageTextFilter.h"
#include "shell/DialogBuilder.h"
#include "shell/HelpAccess.h"
#include "shell/Prompt.h"
#include "shell/WxText.h"

namespace glintwick {

wxBEGIN_EVENT_TABLE(COptionsDlg, wxDialog)
    EVT_INIT_DIALOG(COptionsDlg::OnInitDialog)
    EVT_BUTTON(id::kMoreInfoButton, COptionsDlg::OnMoreInfo)
wxEND_EVENT_TABLE()

COptionsDlg::COptionsDlg(wxWindow* parent)
    : wxDialog(parent, id::kOptionsDialog, ToWx(str::kOptionsCaption), wxDefaultPosition,
               wxDefaultSize, wxCAPTION) {
    SetClientSize(TemplateSizeInPixels(this, res::kOptionsDialog));
    auto controls = BuildControls(this, res::kOptionsDialog);
    m_edtFinalText = wxStaticCast(controls[id::kFinalTextEdit], wxTextCtrl);
    m_chkAutoStart = wxStaticCast(controls[id::kAutoStartCheck], wxCheckBox);
    RestrictToCodePage(m_edtFinalText);
    SetEscapeId(wxID_CANCEL);
    CentreOnParent();
}

bool COptionsDlg::TransferDataToWindow() {
    const wxString text = ToWx(m_strFinalText);
    m_edtFinalText->SetMaxLength(0);
    m_edtFinalText->ChangeValue(text);
    m_edtFinalText->SetMaxLength(std::max<unsigned long>(kMaxFinalText, text.length()));
    // Only 1 ticks the box; any other stored value shows (and is stored back) as cleared.
    m_chkAutoStart->SetValue(m_bAutoStart == 1);
    return true;
}

bool COptionsDlg::TransferDataFromWindow() {
    const std::optional<std::string> text = FromWx(m_edtFinalText->GetValue());
    if (!text || text->size() > static_cast<size_t>(kMaxFinalText)) {
        ShowMessageBox(this, ToWx(FormatMessage(str::kEnterNoMoreThan, std::to_string(kMaxFinalText))),
                       wxOK | wxICON_EXCLAMATION);
        m_edtFinalText->SetFocus();
        m_edtFinalText->SelectAll();
        return false;
    }
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
