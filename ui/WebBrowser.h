// Opening an address in the user's web browser, through one hook that tests replace.
#pragma once

#include <wx/string.h>

#include <functional>

namespace glintwick {

// Called, in the window's thread, when a launcher that had started reports that no browser
// opened the address after all.
using BrowserFailure = std::function<void()>;

// Opens `url` in the default browser; false when no browser could be started. Where the system
// launcher only says so when it ends (xdg-open finding no browser for web pages), it is
// started, true is returned, and `failedLater` (when set) is called if it ends with a failure.
// Tests replace the hook to see the address without starting a browser.
std::function<bool(const wxString& url, const BrowserFailure& failedLater)>& BrowserLauncher();

}  // namespace glintwick
