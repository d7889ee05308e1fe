// Message boxes with the application name as the default caption.
#include "shell/Prompt.h"

#include <wx/msgdlg.h>

#include "resources/StringTable.h"

namespace glintwick {

int ShowMessageBox(wxWindow* parent, const wxString& text, long style, const wxString& caption) {
    return wxMessageBox(text, caption.empty() ? wxString(str::kAppName) : caption, style, parent);
}

}  // namespace glintwick
