// The default browser hook.
#include "ui/WebBrowser.h"

#include <wx/log.h>
#include <wx/utils.h>

namespace glintwick {

std::function<bool(const wxString&)>& BrowserLauncher() {
    static std::function<bool(const wxString&)> launcher = [](const wxString& url) {
        // A failure is the caller's to report, in its own words: wx's log would add a second
        // message box.
        wxLogNull quiet;
        return wxLaunchDefaultBrowser(url);
    };
    return launcher;
}

}  // namespace glintwick
