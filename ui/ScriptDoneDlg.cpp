// The result dialog: layout from template 138, bold title, the tag selected in its box.
#include "ui/ScriptDoneDlg.h"

#include "resources/Ids.h"
#include "resources/StringTable.h"
#include "resources/Templates.h"
#include "ui/DialogBuilder.h"
#include "ui/HelpAccess.h"
#include "ui/Translations.h"
#include "ui/WxText.h"

namespace glintwick {

// clang-format off
wxBEGIN_EVENT_TABLE(CScriptDoneDlg, wxDialog)
    EVT_INIT_DIALOG(CScriptDoneDlg::OnInitDialog)
    EVT_BUTTON(id::kMoreInfoButton, CScriptDoneDlg::OnMoreInfo)
wxEND_EVENT_TABLE()
// clang-format on

CScriptDoneDlg::CScriptDoneDlg(wxWindow* parent)
    : wxDialog(parent, id::kScriptDoneDialog, UiText(str::kScriptDoneCaption), wxDefaultPosition,
               wxDefaultSize, kDialogStyle) {
    // A bold face of the system's choosing, 15 pixels to the cell at 96 dots per inch.
    m_fontTitle = wxFont(wxFontInfo(wxSize(0, FromDIP(15))).Bold());
    auto controls = BuildDialog(this, res::kScriptDoneDialog, wxID_OK);
    m_stcTitle = wxStaticCast(controls[id::kTitleText], wxStaticText);
    m_edtTag = wxStaticCast(controls[id::kTagEdit], wxTextCtrl);
}

bool CScriptDoneDlg::TransferDataToWindow() {
    m_edtTag->ChangeValue(m_strTag);
    return true;
}

void CScriptDoneDlg::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    m_stcTitle->SetFont(m_fontTitle);
    m_stcTitle->Refresh();
    m_edtTag->SetFocus();
    m_edtTag->SelectAll();
    m_edtTag->ShowPosition(0);
    // GTK keeps a selection only on a box that is on screen; select again once it is.
    CallAfter([this] {
        m_edtTag->SetFocus();
        m_edtTag->SelectAll();
    });
}

void CScriptDoneDlg::OnMoreInfo(wxCommandEvent&) { ShowHelpTopic(kHelpTopicScriptDone); }

}  // namespace glintwick
