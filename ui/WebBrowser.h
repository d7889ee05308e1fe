// Opening an address in the user's web browser, through one hook that tests replace.
#pragma once

#include <wx/string.h>

#include <functional>

namespace glintwick {

// Opens `url` in the default browser; false when no browser could be started. Tests replace
// it to see the address without starting a browser.
std::function<bool(const wxString& url)>& BrowserLauncher();

}  // namespace glintwick
