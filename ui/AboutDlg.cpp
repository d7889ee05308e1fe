// The About box: layout from template 100, its two fonts and the address link.
#include "ui/AboutDlg.h"

#include "resources/Ids.h"
#include "resources/StringTable.h"
#include "resources/Templates.h"
#include "ui/DialogBuilder.h"
#include "ui/WxText.h"

namespace glintwick {

// clang-format off
wxBEGIN_EVENT_TABLE(CAboutDlg, wxDialog)
    EVT_INIT_DIALOG(CAboutDlg::OnInitDialog)
wxEND_EVENT_TABLE()
// clang-format on

CAboutDlg::CAboutDlg(wxWindow* parent)
    : wxDialog(parent, id::kAboutDialog, ToWx(str::kAboutCaption), wxDefaultPosition, wxDefaultSize,
               kDialogStyle),
      m_fontBold(wxFontInfo(wxSize(0, FromDIP(15))).FaceName("Arial").Bold()),
      m_fontUnderline(wxFontInfo(wxSize(0, FromDIP(15))).FaceName("Arial").Underlined()) {
    BuildDialog(this, res::kAboutDialog, wxID_OK);
}

void CAboutDlg::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    for (int id : {id::kAboutName, id::kAboutCompany}) FindWindow(id)->SetFont(m_fontBold);
    FindWindow(id::kAddressLink)->SetFont(m_fontUnderline);
    FindWindow(wxID_OK)->SetFocus();
}

}  // namespace glintwick
