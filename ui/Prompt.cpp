// Message boxes with the application name as the default caption.
#include "ui/Prompt.h"

#include <wx/msgdlg.h>

#include "model/ControlPictures.h"
#include "model/FileError.h"
#include "resources/StringTable.h"
#include "ui/WxText.h"

namespace glintwick {

int ShowMessageBox(wxWindow* parent, const wxString& text, long style, const wxString& caption) {
    return wxMessageBox(text, caption.empty() ? wxString(str::kAppName) : caption, style, parent);
}

void ShowFileFailure(wxWindow* parent, const CFileFailure& failure, long icon) {
    // The message names the file as every label does: a line break in its name is no new line.
    const CFileFailure shown(failure.Cause(), WithControlPictures(failure.Path()));
    ShowMessageBox(parent, ReadableToWx(shown.Message()), wxOK | icon);
}

}  // namespace glintwick
