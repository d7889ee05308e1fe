// Help access through the system's HTML Help viewer over the compiled help file.
#include "ui/HelpAccess.h"

#include <htmlhelp.h>  // windows.h is read first in the window layer
#include <wx/filename.h>
#include <wx/weakref.h>

#include "ui/msw/HtmlHelp.h"

namespace glintwick {

namespace {

// The viewer's HtmlHelpW, from hhctrl.ocx when it is first needed; a system without the viewer
// shows nothing, as the program reports nothing.
HWND CallSystemViewer(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data) {
    using Entry = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    static const Entry entry = [] {
        const HMODULE viewer = ::LoadLibraryW(L"hhctrl.ocx");
        return viewer ? reinterpret_cast<Entry>(
                            reinterpret_cast<void*>(::GetProcAddress(viewer, "HtmlHelpW")))
                      : nullptr;
    }();
    return entry ? entry(caller, file, command, data) : nullptr;
}

}  // namespace

HtmlHelpFunction& HtmlHelpCall() {
    static HtmlHelpFunction call = &CallSystemViewer;
    return call;
}

namespace {

wxString g_helpFile;
// The cookie the viewer hands out when it is initialized, handed back when it is let go.
DWORD g_dwHelpCookie = 0;
wxWindowRef g_mainFrame;

HWND MainFrameHandle() {
    return g_mainFrame ? static_cast<HWND>(g_mainFrame->GetHandle()) : nullptr;
}

// Each operation is one call; what the viewer answers is not the program's concern.
void CallViewer(HWND caller, const wxString& file, UINT command, DWORD_PTR data) {
    HtmlHelpCall()(caller, file.empty() ? nullptr : file.wc_str(), command, data);
}

}  // namespace

// The platform's default help path is the program's own with ".HLP"; the compiled help file
// takes the place of every ".HLP" in it.
wxString HelpBookPathFor(const wxString& programPath) {
    wxFileName name(programPath);
    name.SetExt("HLP");
    wxString path = name.GetFullPath();
    path.Replace(".HLP", ".chm", true);
    return path;
}

// The help file always lies beside the program, installed or not.
wxString FindHelpBook(const wxString& programPath) { return HelpBookPathFor(programPath); }

void SetHelpBookPath(const wxString& path) { g_helpFile = path; }

void InitializeHelp(wxWindow* mainFrame) {
    g_mainFrame = mainFrame;
    CallViewer(MainFrameHandle(), wxString(), HH_INITIALIZE,
               reinterpret_cast<DWORD_PTR>(&g_dwHelpCookie));
}

void UninitializeHelp() { CallViewer(nullptr, wxString(), HH_UNINITIALIZE, g_dwHelpCookie); }

// The viewer's windows belong to the viewer, which closes them as the process ends.
void ReleaseHelp() {}

void ShowHelpContents() { CallViewer(MainFrameHandle(), g_helpFile, HH_DISPLAY_TOC, 0); }

void ShowHelpIndex() { CallViewer(MainFrameHandle(), g_helpFile, HH_DISPLAY_INDEX, 0); }

void ShowHelpSearch() {
    // The query record as the viewer's search page takes it: an empty query, the viewer's own
    // proximity, no stemming, not titles only, run at once, no window name. Its size is the
    // record's in this build (40 bytes in a 64-bit program).
    HH_FTS_QUERY query{};
    query.cbStruct = sizeof query;
    query.fUniCodeStrings = FALSE;
    query.pszSearchQuery = L"";
    query.iProximity = HH_FTS_DEFAULT_PROXIMITY;
    query.fStemmedSearch = FALSE;
    query.fTitleOnly = FALSE;
    query.fExecute = TRUE;
    query.pszWindow = nullptr;
    CallViewer(MainFrameHandle(), g_helpFile, HH_DISPLAY_SEARCH,
               reinterpret_cast<DWORD_PTR>(&query));
}

void ShowHelpTopic(int topic) {
    CallViewer(nullptr, g_helpFile, HH_HELP_CONTEXT, static_cast<DWORD_PTR>(topic));
}

}  // namespace glintwick
