// The hyperlink behaviour: colours, the program's hand cursor and opening the maker's page.
#include "shell/HyperLink.h"

#include <wx/cursor.h>

#include "resources/Art.h"
#include "resources/StringTable.h"
#include "shell/WebBrowser.h"

namespace glintwick {

wxString CHyperLink::Address() { return str::kMakerUrl; }

void CHyperLink::Attach(wxWindow* control) {
    control->SetForegroundColour(wxColour(0, 0, 255));
    control->SetBackgroundStyle(wxBG_STYLE_SYSTEM);
    control->SetCursor(HandCursor());
    control->Bind(wxEVT_LEFT_UP, [](wxMouseEvent& event) {
        // Like the shell's "open" verb: a failure to start a browser is not reported.
        BrowserLauncher()(Address());
        event.Skip();
    });
}

}  // namespace glintwick
