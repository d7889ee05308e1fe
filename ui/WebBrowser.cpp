// The default browser hook.
#include "ui/WebBrowser.h"

#include <wx/filefn.h>
#include <wx/log.h>
#include <wx/process.h>
#include <wx/utils.h>

namespace glintwick {

namespace {

#if defined(__UNIX__) && !defined(__APPLE__)
// xdg-open as a child of its own: its exit status is what says whether a browser opened the
// page (3: no program for web pages), and wx's own launcher never reads it.
class CLauncherProcess : public wxProcess {
public:
    explicit CLauncherProcess(const BrowserFailure& failed) : m_failed(failed) {}
    void OnTerminate(int, int status) override {
        if (status != 0 && m_failed) m_failed();
        delete this;
    }

private:
    BrowserFailure m_failed;
};

// Starts xdg-open on `url`; false when there is none or it cannot be started.
bool StartXdgOpen(const wxString& url, const BrowserFailure& failedLater) {
    wxString searchPath, xdgOpen;
    if (!wxGetEnv("PATH", &searchPath) || !wxFindFileInPath(&xdgOpen, searchPath, "xdg-open"))
        return false;
    auto* process = new CLauncherProcess(failedLater);
    const wchar_t* const argv[] = {xdgOpen.wc_str(), url.wc_str(), nullptr};
    if (wxExecute(argv, wxEXEC_ASYNC, process) > 0) return true;
    delete process;
    return false;
}
#endif

}  // namespace

std::function<bool(const wxString&, const BrowserFailure&)>& BrowserLauncher() {
    static std::function<bool(const wxString&, const BrowserFailure&)> launcher =
        [](const wxString& url, const BrowserFailure& failedLater) {
            // A failure is the caller's to report, in its own words: wx's log would add a
            // second message box.
            wxLogNull quiet;
#if defined(__UNIX__) && !defined(__APPLE__)
            if (StartXdgOpen(url, failedLater)) return true;
#else
            (void)failedLater;
#endif
            return wxLaunchDefaultBrowser(url);
        };
    return launcher;
}

}  // namespace glintwick
