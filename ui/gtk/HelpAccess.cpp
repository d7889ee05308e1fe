// Help access through wx's HTML help viewer over the program's zipped book.
#include "ui/HelpAccess.h"

#include <wx/app.h>
#include <wx/display.h>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/fs_zip.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpwnd.h>
#include <wx/notebook.h>
#include <wx/settings.h>
#include <wx/splitter.h>
#include <wx/sstream.h>
#include <wx/treectrl.h>
#include <wx/weakref.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "model/platform/RegularFile.h"
#include "ui/SafeCast.h"
#include "ui/WxText.h"

namespace glintwick {

namespace {

wxString g_bookPath;
std::unique_ptr<wxFileConfig> g_viewerSettings;  // outlives the viewer, which writes to it
std::unique_ptr<wxHtmlHelpController> g_controller;
bool g_bookLoaded = false;
wxWindowRef g_mainFrame;
wxWindowRef g_arrangedViewer;  // the viewer window last arranged
constexpr int kViewerWidth = 900;
constexpr int kViewerHeight = 650;

}  // namespace

wxString HelpBookPathFor(const wxString& programPath) {
    wxFileName name(programPath);
    name.SetExt("htb");
    return name.GetFullPath();
}

wxString FindHelpBook(const wxString& programPath) {
    const wxString beside = HelpBookPathFor(programPath);
    if (wxFileName::FileExists(beside)) return beside;
    // GLINTWICK_DATA_FROM_BIN: the data folder seen from the program's folder, from the build.
    wxFileName installed(wxFileName(beside).GetPath() + "/" + GLINTWICK_DATA_FROM_BIN,
                         wxFileName(beside).GetFullName());
    installed.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    return installed.FileExists() ? installed.GetFullPath() : beside;
}

void SetHelpBookPath(const wxString& path) {
    g_bookPath = path;
    g_bookLoaded = false;
}

namespace {

// wx's viewer, whose window has its pages laid out before it is first shown: GTK otherwise
// gave the index page's list its unplaced size, too small for its scroll bars, and reported
// a critical error on every new window.
class LaidOutHelpController : public wxHtmlHelpController {
public:
    using wxHtmlHelpController::wxHtmlHelpController;

protected:
    wxHtmlHelpFrame* CreateHelpFrame(wxHtmlHelpData* data) override {
        wxHtmlHelpFrame* frame = wxHtmlHelpController::CreateHelpFrame(data);
        frame->Layout();
        if (auto* tabs = As<wxNotebook>(frame->FindWindow(wxID_HTML_NOTEBOOK))) {
            for (size_t i = 0; i < tabs->GetPageCount(); ++i) {
                wxWindow* page = tabs->GetPage(i);
                page->SetSize(tabs->GetCurrentPage()->GetSize());
                page->Layout();
            }
        }
        return frame;
    }
};

wxHtmlHelpController& Viewer() {
    if (!g_controller) {
        static bool zipHandler = (wxFileSystem::AddHandler(new wxZipFSHandler), true);
        (void)zipHandler;
        g_controller = std::make_unique<LaidOutHelpController>(wxHF_DEFAULT_STYLE);
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

void InitializeHelp(wxWindow* mainFrame) {
    g_mainFrame = mainFrame;
    Viewer();
}

namespace {

template <typename Control>
Control* FindChild(wxWindow* window) {
    if (auto* found = As<Control>(window)) return found;
    for (wxWindow* child : window->GetChildren())
        if (Control* found = FindChild<Control>(child)) return found;
    return nullptr;
}

// Where a new viewer window opens: at a size for reading, centred over the main window and on
// the screen. wx's viewer takes its place from its settings when it makes its window, so the
// window manager gets it as the window's own; the settings live in memory only.
void PlaceNewViewer(wxHtmlHelpController& viewer) {
    if (viewer.GetFrame()) return;
    const wxRect screen =
        wxDisplay(g_mainFrame ? wxDisplay::GetFromWindow(g_mainFrame.get()) : 0).GetClientArea();
    const wxSize size(std::min(kViewerWidth, screen.width * 9 / 10),
                      std::min(kViewerHeight, screen.height * 9 / 10));
    const wxRect over = g_mainFrame ? g_mainFrame->GetScreenRect() : screen;
    wxPoint place(over.x + (over.width - size.x) / 2, over.y + (over.height - size.y) / 2);
    place.x = std::clamp(place.x, screen.x, screen.GetRight() + 1 - size.x);
    place.y = std::clamp(place.y, screen.y, screen.GetBottom() + 1 - size.y);
    if (!g_viewerSettings) {
        wxStringInputStream nothing(wxEmptyString);
        g_viewerSettings = std::make_unique<wxFileConfig>(nothing);
    }
    g_viewerSettings->Write("hcX", place.x);
    g_viewerSettings->Write("hcY", place.y);
    g_viewerSettings->Write("hcW", size.x);
    g_viewerSettings->Write("hcH", size.y);
    g_viewerSettings->Write("hcSashPos", size.x * 3 / 10);
    viewer.UseConfig(g_viewerSettings.get());
}

// A new viewer window shows its contents open, and its navigation side wide enough for all
// three tabs and, where there is room, the longest title; once shown it goes to its place
// again, which a window manager may have changed as it mapped the window. The keyboard goes
// to the contents when `toContents` (not to the bookmarks, the first box of the window).
void ArrangeViewer(bool toContents) {
    wxWindow* frame = g_controller ? g_controller->GetFrame() : nullptr;
    if (!frame) return;
    auto* contents = FindChild<wxTreeCtrl>(frame);
    if (toContents && contents) contents->SetFocus();
    if (frame == g_arrangedViewer.get()) return;
    g_arrangedViewer = frame;
    if (contents) contents->ExpandAll();
    // Escape closes the viewer, as it closes every other window of the program.
    frame->Bind(wxEVT_CHAR_HOOK, [frame](wxKeyEvent& key) {
        if (key.GetKeyCode() == WXK_ESCAPE && key.GetModifiers() == wxMOD_NONE)
            frame->Close();
        else
            key.Skip();
    });
    if (g_viewerSettings) {
        const wxPoint place(g_viewerSettings->ReadLong("hcX", 0),
                            g_viewerSettings->ReadLong("hcY", 0));
        frame->CallAfter([frame, place] { frame->Move(place); });
    }
    auto* tabs = As<wxNotebook>(frame->FindWindow(wxID_HTML_NOTEBOOK));
    auto* splitter = FindChild<wxSplitterWindow>(frame);
    if (tabs && splitter && splitter->IsSplit()) {
        int needed = 0;
        if (contents) {
            // The tree's best width, measured over every title (not only the last ones),
            // holds them whole; around it go the navigation side's margins and a scroll bar.
            contents->SetQuickBestSize(false);
            contents->InvalidateBestSize();
            needed = contents->GetBestSize().x + splitter->GetWindow1()->GetSize().x -
                     contents->GetSize().x + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, contents);
        }
        int allTabs = 0;
        for (size_t i = 0; i < tabs->GetPageCount(); ++i)
            allTabs += tabs->GetTextExtent(tabs->GetPageText(i)).x + tabs->FromDIP(36);
        // The contents as wide as their longest title, unless that would take half the window.
        needed =
            std::max({std::min(needed, frame->GetSize().x / 2), allTabs, tabs->GetBestSize().x});
        if (splitter->GetSashPosition() < needed) splitter->SetSashPosition(needed);
    }
}

}  // namespace

void UninitializeHelp() {
    // The viewer's own window closes with it; the displays below make a new one on demand.
    if (g_controller && g_controller->GetFrame()) g_controller->GetFrame()->Close(true);
}

void ReleaseHelp() {
    UninitializeHelp();
    g_controller.reset();
    g_bookLoaded = false;
}

namespace {

// The viewer about to show something: a new window gets its place first.
wxHtmlHelpController& ViewerToShow() {
    wxHtmlHelpController& viewer = HelpController();
    PlaceNewViewer(viewer);
    return viewer;
}

}  // namespace

// Shows the viewer through `display` and arranges it (then does `then`) once it is up. That is
// as soon as `display` returns, except from a modal dialog: there wx runs the viewer's own
// loop inside the display call, which returns only when the viewer closes, so the arranging is
// also queued on the event loop, to run inside that loop when nothing arranged it first.
void ShowArranged(const std::function<void()>& display, bool toContents,
                  const std::function<void()>& then = {}) {
    static bool pending = false;
    auto arrange = [toContents, then] {
        if (!pending) return;
        pending = false;
        ArrangeViewer(toContents);
        if (then) then();
    };
    pending = true;
    wxTheApp->CallAfter(arrange);
    display();
    arrange();
}

void ShowHelpContents() {
    ShowArranged([] { ViewerToShow().DisplayContents(); }, true);
}

void ShowHelpIndex() {
    ShowArranged([] { ViewerToShow().DisplayIndex(); }, false);
}

// The viewer has no call that only opens its search page; open the book and turn to it.
void ShowHelpSearch() {
    ShowArranged([] { ViewerToShow().DisplayContents(); }, false,
                 [] {
                     wxWindow* frame = g_controller ? g_controller->GetFrame() : nullptr;
                     if (!frame) return;
                     auto* pages = As<wxNotebook>(frame->FindWindow(wxID_HTML_NOTEBOOK));
                     wxWindow* query = frame->FindWindow(wxID_HTML_SEARCHTEXT);
                     if (!pages || !query) return;
                     // The search page is the notebook page that holds the query box.
                     wxWindow* page = query;
                     while (page && page->GetParent() != pages) page = page->GetParent();
                     const int index = page ? pages->FindPage(page) : wxNOT_FOUND;
                     if (index != wxNOT_FOUND) pages->SetSelection(static_cast<size_t>(index));
                     query->SetFocus();
                 });
}

void ShowHelpTopic(int topic) {
    ShowArranged([topic] { ViewerToShow().Display(topic); }, true);
}

}  // namespace glintwick
