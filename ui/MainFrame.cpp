// The main frame: menus and shortcuts from their templates, the caption and the minimum size.
#include "ui/MainFrame.h"

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include <utility>
#include <vector>

#include "model/MessageFormat.h"
#include "model/TallowmereDoc.h"
#include "resources/Art.h"
#include "resources/Ids.h"
#include "resources/StringTable.h"
#include "resources/Templates.h"
#include "ui/AboutDlg.h"
#include "ui/Accessibility.h"
#include "ui/HelpAccess.h"
#include "ui/PlatformStyle.h"
#include "ui/ProjectDropTarget.h"
#include "ui/SafeCast.h"
#include "ui/SplashWnd.h"
#include "ui/TallowmereView.h"
#include "ui/TextUndo.h"
#include "ui/Translations.h"
#include "ui/WxText.h"

namespace glintwick {

namespace {
const wxSize kMinimumTrackingSize(475, 380);
}

// clang-format off
wxBEGIN_EVENT_TABLE(CMainFrame, wxFrame)
    EVT_MENU(id::MenuId(id::kEditUndo), CMainFrame::OnEditCommand)
    EVT_MENU(id::MenuId(id::kEditRedo), CMainFrame::OnEditCommand)
    EVT_MENU(id::MenuId(id::kEditCut), CMainFrame::OnEditCommand)
    EVT_MENU(id::MenuId(id::kEditCopy), CMainFrame::OnEditCommand)
    EVT_MENU(id::MenuId(id::kEditPaste), CMainFrame::OnEditCommand)
    EVT_MENU(id::MenuId(id::kNextPane), CMainFrame::OnPaneCommand)
    EVT_MENU(id::MenuId(id::kPrevPane), CMainFrame::OnPaneCommand)
    EVT_MENU(id::MenuId(id::kAppExit), CMainFrame::OnAppExit)
    EVT_MENU(id::MenuId(id::kFileNew), CMainFrame::OnFileNew)
    EVT_MENU(id::MenuId(id::kFileOpen), CMainFrame::OnFileOpen)
    EVT_MENU(id::MenuId(id::kFileSave), CMainFrame::OnFileSave)
    EVT_MENU(id::MenuId(id::kFileSaveAs), CMainFrame::OnFileSaveAs)
    EVT_MENU_RANGE(id::MenuId(id::kRecentFile1), id::MenuId(id::kRecentFile1) + 3, CMainFrame::OnRecentFile)
    EVT_MENU(id::MenuId(id::kGenerateJavascript), CMainFrame::OnGenerateJavascript)
    EVT_MENU(id::MenuId(id::kFileExportSvg), CMainFrame::OnExportSvg)
    EVT_MENU(id::MenuId(id::kToolsOptions), CMainFrame::OnOptions)
    EVT_MENU(id::MenuId(id::kToolsPreviewInBrowser), CMainFrame::OnPreviewInBrowser)
    EVT_MENU(id::MenuId(id::kToolsSaveStatusStrip), CMainFrame::OnSaveStatusStrip)
    EVT_MENU(id::MenuId(id::kHelpContents), CMainFrame::OnHelpContents)
    EVT_MENU(id::MenuId(id::kHelpIndex), CMainFrame::OnHelpIndex)
    EVT_MENU(id::MenuId(id::kHelpSearch), CMainFrame::OnHelpSearch)
    EVT_MENU(id::MenuId(id::kAppAbout), CMainFrame::OnAppAbout)
    EVT_CLOSE(CMainFrame::OnClose)
    EVT_ACTIVATE(CMainFrame::OnActivate)
    EVT_IDLE(CMainFrame::OnIdle)
wxEND_EVENT_TABLE()
// clang-format on

CMainFrame::CMainFrame(CTallowmereDoc& doc)
    : wxFrame(nullptr, id::kMainFrame, CaptionFor(doc)), m_doc(doc) {
    UseCompactStyle(this);
    SetIcons(ProgramIcons());
    BuildMenu();
    BuildShortcuts();
    CreateStatusBar();
    SetAccessibleRole(GetStatusBar(), AccessibleRole::StatusBar);
    m_pView = new CTallowmereView(this, doc);
    m_commands = std::make_unique<CDocumentCommands>(doc, m_recent, this);
    m_browser = std::make_unique<CBrowserCommands>(doc, this);
    // A project file dropped anywhere on the window opens as Open would open it.
    const auto openDropped = [this](const std::string& path) { m_commands->OnDropFile(path); };
    SetDropTarget(new CProjectDropTarget(this, openDropped));
    m_pView->SetFileDropHandler(openDropped);
    m_recent.UseMenu(GetMenuBar()->GetMenu(0));
    m_recent.Load();
    SetClientSize(m_pView->GetFormSize());
    // The designed minimum, or the whole form where this platform's fonts make it larger: a
    // window cannot shrink until buttons leave it.
    wxSize minimum = ClientToWindowSize(m_pView->GetFormSize());
    minimum.IncTo(kMinimumTrackingSize);
    SetMinSize(minimum);
    m_doc.AddView(this);
    // Bound, not in the table: it runs before the command's own handler.
    Bind(wxEVT_MENU, &CMainFrame::OnAnyCommand, this);
    OnHistoryChanged();
    InitializeHelp(this);
    CSplashWnd::ShowSplash(this, SplashBitmap());
}

CMainFrame::~CMainFrame() { m_doc.RemoveView(this); }

void CMainFrame::OnUpdate() { SetStatusText(m_pView->DescribeDuration()); }

wxString CMainFrame::CaptionFor(const CTallowmereDoc& doc) {
    // The title is the file's name as the file system spells it, not code-page text.
    return NameToWx(TitleShown(doc.GetTitle(), doc.GetPathName())) + " - " + ToWx(str::kAppTitle);
}

void CMainFrame::OnTitleChanged() { SetTitle(CaptionFor(m_doc)); }

void CMainFrame::BuildMenu() {
    auto* bar = new wxMenuBar;
    wxMenu* menu = nullptr;
    for (const res::MenuItemTemplate& item : res::kMainMenu) {
        if (item.id < 0) {
            menu = new wxMenu;
            bar->Append(menu, UiText(item.text));
        } else if (item.id == 0) {
            menu->AppendSeparator();
        } else {
            menu->Append(id::MenuId(item.id), UiText(item.text));
            if (item.grayed) menu->Enable(id::MenuId(item.id), false);
        }
    }
    SetMenuBar(bar);
}

void CMainFrame::BuildShortcuts() {
    std::vector<wxAcceleratorEntry> entries;
    for (const res::ShortcutTemplate& s : res::kMainShortcuts) {
        int flags =
            (s.ctrl ? wxACCEL_CTRL : 0) | (s.alt ? wxACCEL_ALT : 0) | (s.shift ? wxACCEL_SHIFT : 0);
        int key = s.key;
        switch (s.key) {
            case res::kKeyBack: key = WXK_BACK; break;
            case res::kKeyDelete: key = WXK_DELETE; break;
            case res::kKeyInsert: key = WXK_INSERT; break;
            case res::kKeyF6: key = WXK_F6; break;
            default: break;
        }
        entries.emplace_back(flags, key, id::MenuId(s.command));
    }
    SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(entries.size()), entries.data()));
}

void CMainFrame::OnHistoryChanged() {
    const CCommandHistory& history = m_doc.History();
    const auto label = [](const char* plain, const char* named, const std::string& command) {
        return command.empty() ? UiText(plain) : UiMessage(named, UiTemplate(command.c_str()));
    };
    wxMenuBar* bar = GetMenuBar();
    bar->SetLabel(id::MenuId(id::kEditUndo),
                  label(str::kMenuUndo, str::kMenuUndoCommand, history.UndoName()));
    bar->SetLabel(id::MenuId(id::kEditRedo),
                  label(str::kMenuRedo, str::kMenuRedoCommand, history.RedoName()));
    bar->Enable(id::MenuId(id::kEditUndo), history.CanUndo());
    bar->Enable(id::MenuId(id::kEditRedo), history.CanRedo());
}

// Every command first takes a repeat count still being typed, as leaving its box would (a
// shortcut does not move the focus out of the box); the editing commands act on the box.
void CMainFrame::OnAnyCommand(wxCommandEvent& event) {
    event.Skip();
    switch (id::CommandOf(event.GetId())) {
        case id::kEditUndo:
        case id::kEditRedo:
        case id::kEditCut:
        case id::kEditCopy:
        case id::kEditPaste: break;
        default: m_doc.CommitPendingEdit();
    }
}

// The shortcut table claims the editing keys; they go on to the edit box that has the focus,
// and Undo and Redo elsewhere take back or do again the last change to the project.
void CMainFrame::OnEditCommand(wxCommandEvent& event) {
    const int command = id::CommandOf(event.GetId());
    auto* edit = As<wxTextCtrl>(FindFocus());
    if (!edit && (command == id::kEditUndo || command == id::kEditRedo)) {
        const int row = command == id::kEditUndo ? m_doc.Undo() : m_doc.Redo();
        if (row >= 0) m_pView->SelectRow(row);
        return;
    }
    if (!edit) return;
    switch (command) {
        case id::kEditUndo: UndoInBox(edit); break;
        case id::kEditRedo: RedoInBox(edit); break;
        case id::kEditCut: edit->Cut(); break;
        case id::kEditCopy: edit->Copy(); break;
        case id::kEditPaste: edit->Paste(); break;
        default: break;
    }
}

// One view, one pane: there is nowhere to move to.
void CMainFrame::OnPaneCommand(wxCommandEvent&) {}

// Exit asks about unsaved changes exactly as closing the window does.
void CMainFrame::OnAppExit(wxCommandEvent&) { Close(); }

void CMainFrame::OnClose(wxCloseEvent& event) {
    m_doc.CommitPendingEdit();
    UninitializeHelp();
    if (event.CanVeto() && !m_commands->SaveModified()) {
        event.Veto();
        return;
    }
    m_pView->OnStop();
    Destroy();
}

// Back in front, the window looks whether another program changed its file meanwhile; once
// the events of the activation are done, so that a question does not open inside the toolkit's
// focus change.
void CMainFrame::OnActivate(wxActivateEvent& event) {
    event.Skip();
    if (event.GetActive()) m_bCheckFile = true;
}

void CMainFrame::OnIdle(wxIdleEvent& event) {
    event.Skip();
    if (std::exchange(m_bCheckFile, false)) m_commands->KeepOrReload();
}

void CMainFrame::SetStatusText(const wxString& text, int number) {
    wxFrame::SetStatusText(text, number);
    if (number == 0 && GetStatusBar()) SetAccessibleName(GetStatusBar(), text);
}

void CMainFrame::OnFileNew(wxCommandEvent&) { m_commands->OnFileNew(); }
void CMainFrame::OnFileOpen(wxCommandEvent&) { m_commands->OnFileOpen(); }
void CMainFrame::OnFileSave(wxCommandEvent&) { m_commands->DoFileSave(); }
void CMainFrame::OnFileSaveAs(wxCommandEvent&) { m_commands->DoSaveAs(); }

void CMainFrame::OnRecentFile(wxCommandEvent& event) {
    m_commands->OnOpenRecentFile(static_cast<size_t>(event.GetId() - id::MenuId(id::kRecentFile1)));
}

void CMainFrame::OnGenerateJavascript(wxCommandEvent&) { m_commands->OnGenerateJavascript(); }
void CMainFrame::OnExportSvg(wxCommandEvent&) { m_commands->OnExportSvg(); }
void CMainFrame::OnOptions(wxCommandEvent&) { m_commands->OnOptions(); }
void CMainFrame::OnPreviewInBrowser(wxCommandEvent&) { m_browser->OnPreviewInBrowser(); }
void CMainFrame::OnSaveStatusStrip(wxCommandEvent&) { m_browser->OnSaveStatusStrip(); }
void CMainFrame::OnHelpContents(wxCommandEvent&) { ShowHelpContents(); }
void CMainFrame::OnHelpIndex(wxCommandEvent&) { ShowHelpIndex(); }
void CMainFrame::OnHelpSearch(wxCommandEvent&) { ShowHelpSearch(); }

void CMainFrame::OnAppAbout(wxCommandEvent&) {
    CAboutDlg about(this);
    about.ShowModal();
}

}  // namespace glintwick
