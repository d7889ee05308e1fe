// The main window: menu 128, shortcut table 128, caption and the main view.
#pragma once

#include <wx/frame.h>

#include <memory>

#include "model/DocumentBase.h"
#include "ui/BrowserCommands.h"
#include "ui/DocumentCommands.h"
#include "ui/RecentFileStore.h"

namespace glintwick {

class CTallowmereDoc;
class CTallowmereView;

class CMainFrame : public wxFrame, public CDocumentView {
public:
    explicit CMainFrame(CTallowmereDoc& doc);
    ~CMainFrame() override;

    CTallowmereView* GetView() const { return m_pView; }
    CDocumentCommands& Commands() { return *m_commands; }
    CBrowserCommands& BrowserCommands() { return *m_browser; }
    CRecentFileStore& RecentFiles() { return m_recent; }

    // The status bar says how long the sequence plays.
    void OnUpdate() override;
    // The caption follows the project's title.
    void OnTitleChanged() override;
    // The Edit menu names the commands Undo and Redo would take.
    void OnHistoryChanged() override;

    static wxString CaptionFor(const CTallowmereDoc& doc);
    // The status line's text is also what a screen reader reads as its name.
    void SetStatusText(const wxString& text, int number = 0) override;

private:
    void BuildMenu();
    void BuildShortcuts();
    void OnAnyCommand(wxCommandEvent& event);
    void OnEditCommand(wxCommandEvent& event);
    void OnPaneCommand(wxCommandEvent& event);
    void OnAppExit(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnActivate(wxActivateEvent& event);
    void OnIdle(wxIdleEvent& event);
    void OnFileNew(wxCommandEvent& event);
    void OnFileOpen(wxCommandEvent& event);
    void OnFileSave(wxCommandEvent& event);
    void OnFileSaveAs(wxCommandEvent& event);
    void OnRecentFile(wxCommandEvent& event);
    void OnGenerateJavascript(wxCommandEvent& event);
    void OnExportSvg(wxCommandEvent& event);
    void OnOptions(wxCommandEvent& event);
    void OnPreviewInBrowser(wxCommandEvent& event);
    void OnSaveStatusStrip(wxCommandEvent& event);
    void OnHelpContents(wxCommandEvent& event);
    void OnHelpIndex(wxCommandEvent& event);
    void OnHelpSearch(wxCommandEvent& event);
    void OnAppAbout(wxCommandEvent& event);

    CTallowmereDoc& m_doc;
    CTallowmereView* m_pView = nullptr;
    CRecentFileStore m_recent;
    std::unique_ptr<CDocumentCommands> m_commands;
    std::unique_ptr<CBrowserCommands> m_browser;
    bool m_bCheckFile = false;  // activated: look at the file once the events settle

    wxDECLARE_EVENT_TABLE();
};

}  // namespace glintwick
