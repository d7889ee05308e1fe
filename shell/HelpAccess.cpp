// Help access through wx's HTML help viewer over the zipped book beside the program.
#include "shell/HelpAccess.h"

#include <wx/filename.h>
#include <wx/fs_zip.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpwnd.h>
#include <wx/notebook.h>

#include <memory>

#include "model/RegularFile.h"
#include "shell/FileDialogs.h"

namespace glintwick {

namespace {

wxString g_bookPath;
std::unique_ptr<wxHtmlHelpController> g_controller;
bool g_bookLoaded = false;

}  // namespace

wxString HelpBookPathFor(const wxString& programPath) {
    wxFileName name(programPath);
    name.SetExt("htb");
    return name.GetFullPath();
}

void SetHelpBookPath(const wxString& path) {
    g_bookPath = path;
    g_bookLoaded = false;
}

namespace {

wxHtmlHelpController& Viewer() {
    if (!g_controller) {
        static bool zipHandler = (wxFileSystem::AddHandler(new wxZipFSHandler), true);
        (void)zipHandler;
        g_controller = std::make_unique<wxHtmlHelpController>(wxHF_DEFAULT_STYLE);
        g_bookLoaded = false;
    }
    return *g_controller;
}

}  // namespace

// The book is read when help is first asked for, which keeps it out of start-up.
wxHtmlHelpController& HelpController() {
    wxHtmlHelpController& viewer = Viewer();
    // Only a regular file is opened: a FIFO in the book's place would hang the program.
    if (!g_bookLoaded && !g_bookPath.empty() && IsRegularFile(PathFromWx(g_bookPath)))
        g_bookLoaded = viewer.AddBook(wxFileName(g_bookPath));
    return viewer;
}

void InitializeHelp() { Viewer(); }

void UninitializeHelp() {
    // The viewer's own window closes with it; the displays below make a new one on demand.
    if (g_controller && g_controller->GetFrame()) g_controller->GetFrame()->Close(true);
}

void ReleaseHelp() {
    UninitializeHelp();
    g_controller.reset();
    g_bookLoaded = false;
}

void ShowHelpContents() { HelpController().DisplayContents(); }

void ShowHelpIndex() { HelpController().DisplayIndex(); }

// The viewer has no call that only opens its search page; open the book and turn to it.
void ShowHelpSearch() {
    wxHtmlHelpController& viewer = HelpController();
    viewer.DisplayContents();
    wxWindow* frame = viewer.GetFrame();
    if (!frame) return;
    auto* pages = wxDynamicCast(frame->FindWindow(wxID_HTML_NOTEBOOK), wxNotebook);
    wxWindow* query = frame->FindWindow(wxID_HTML_SEARCHTEXT);
    if (!pages || !query) return;
    // The search page is the notebook page that holds the query box.
    wxWindow* page = query;
    while (page && page->GetParent() != pages) page = page->GetParent();
    const int index = page ? pages->FindPage(page) : wxNOT_FOUND;
    if (index != wxNOT_FOUND) pages->SetSelection(static_cast<size_t>(index));
    query->SetFocus();
}

void ShowHelpTopic(int topic) {
    HelpController().Display(topic);
}

}  // namespace glintwick
