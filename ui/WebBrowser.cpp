// The default browser hook.
#include "ui/WebBrowser.h"

#include <wx/utils.h>

namespace glintwick {

std::function<bool(const wxString&)>& BrowserLauncher() {
    static std::function<bool(const wxString&)> launcher = [](const wxString& url) {
        return wxLaunchDefaultBrowser(url);
    };
    return launcher;
}

}  // namespace glintwick
