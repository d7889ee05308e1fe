// The About box: layout from template 100, its two fonts and the address link.
#include "ui/AboutDlg.h"

#include "resources/Ids.h"
#include "resources/StringTable.h"
#include "resources/Templates.h"
#include "ui/DialogBuilder.h"
#include "ui/Translations.h"
#include "ui/WxText.h"

namespace glintwick {

// clang-format off
wxBEGIN_EVENT_TABLE(CAboutDlg, wxDialog)
    EVT_INIT_DIALOG(CAboutDlg::OnInitDialog)
wxEND_EVENT_TABLE()
// clang-format on

CAboutDlg::CAboutDlg(wxWindow* parent)
    : wxDialog(parent, id::kAboutDialog, UiText(str::kAboutCaption), wxDefaultPosition,
               wxDefaultSize, kDialogStyle),
      m_fontBold(AtLeastBodySize(wxFontInfo(wxSize(0, FromDIP(15))).FaceName("Arial").Bold())),
      m_fontUnderline(
          AtLeastBodySize(wxFontInfo(wxSize(0, FromDIP(15))).FaceName("Arial").Underlined())) {
    BuildDialog(this, res::kAboutDialog, wxID_OK);
}

// The designed 15-pixel Arial, grown where the desktop's own text is taller: a heading is never
// smaller than the text under it.
wxFont CAboutDlg::AtLeastBodySize(wxFont font) const {
    const auto height = [this](const wxFont* with) {
        int width = 0, height = 0;
        GetTextExtent("Ag", &width, &height, nullptr, nullptr, with);
        return height;
    };
    const int body = height(nullptr);
    for (int step = 0; step < 40 && height(&font) < body; ++step)
        font.SetFractionalPointSize(font.GetFractionalPointSize() + 0.5);
    return font;
}

void CAboutDlg::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    for (int id : {id::kAboutName, id::kAboutCompany}) FindWindow(id)->SetFont(m_fontBold);
    FindWindow(id::kAddressLink)->SetFont(m_fontUnderline);
    FindWindow(wxID_OK)->SetFocus();
}

}  // namespace glintwick
