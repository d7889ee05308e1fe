// Message boxes with the application name as the default caption.
#include "ui/Prompt.h"

#include <wx/msgdlg.h>

#include "model/FileError.h"
#include "resources/StringTable.h"
#include "ui/WxText.h"

namespace glintwick {

int ShowMessageBox(wxWindow* parent, const wxString& text, long style, const wxString& caption) {
    return wxMessageBox(text, caption.empty() ? wxString(str::kAppName) : caption, style, parent);
}

void ShowFileFailure(wxWindow* parent, const CFileFailure& failure, long icon) {
    ShowMessageBox(parent, ReadableToWx(failure.Message()), wxOK | icon);
}

}  // namespace glintwick
