// The save and open dialogs' shared pieces.
#include "ui/FileDialogs.h"

#include <wx/filename.h>

#include "model/ControlPictures.h"
#include "model/FileError.h"
#include "model/MessageFormat.h"
#include "resources/StringTable.h"
#include "ui/Prompt.h"
#include "ui/Translations.h"
#include "ui/WxText.h"

namespace glintwick {

void CFileDialog::SetPath(const wxString& path) {
    wxFileDialog::SetPath(path);
    m_setPath = path;
}

wxString CFileDialog::GetPath() const {
    return m_setPath.empty() ? wxFileDialog::GetPath() : m_setPath;
}

wxString WithDefaultExtension(const wxString& path, const wxString& extension) {
    wxFileName name(path);
    if (name.HasExt() || name.GetName().empty()) return path;
    return path + "." + extension;
}

bool ConfirmReplace(wxWindow* owner, const wxString& chosen, const wxString& completed) {
    if (completed == chosen || !wxFileName::Exists(completed)) return true;
    const wxString question =
        UiMessage(str::kReplaceQuestion, WithControlPictures(PathFromWx(completed)));
    return ShowMessageBox(owner, question, wxYES_NO | wxNO_DEFAULT | wxICON_EXCLAMATION) == wxYES;
}

wxString AskSavePath(wxWindow* owner, const wxString& title, const wxString& defaultName,
                     const wxString& filter, const wxString& extension) {
    CFileDialog dialog(owner, title, wxEmptyString, defaultName, filter + "|*." + extension,
                       wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return wxString();
    const wxString path = WithDefaultExtension(dialog.GetPath(), extension);
    return ConfirmReplace(owner, dialog.GetPath(), path) ? path : wxString();
}

wxString AskScriptPath(wxWindow* owner, const wxString& title, const wxString& defaultName) {
    return AskSavePath(owner, title, defaultName, UiText(str::kScriptFilter), "js");
}

}  // namespace glintwick
