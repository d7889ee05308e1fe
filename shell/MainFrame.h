// The main window: menu 128, shortcut table 128, caption and the main view.
#pragma once

#include <wx/frame.h>

#include "model/DocumentBase.h"

namespace glintwick {

class CTallowmereDoc;
class CTallowmereView;

class CMainFrame : public wxFrame, public CDocumentView {
public:
    explicit CMainFrame(CTallowmereDoc& doc);
    ~CMainFrame() override;

    CTallowmereView* GetView() const { return m_pView; }

    void OnUpdate() override {}
    // The caption follows the project's title.
    void OnTitleChanged() override;

    static wxString CaptionFor(const CTallowmereDoc& doc);

private:
    void BuildMenu();
    void BuildShortcuts();
    void OnEditCommand(wxCommandEvent& event);
    void OnPaneCommand(wxCommandEvent& event);
    void OnAppExit(wxCommandEvent& event);

    CTallowmereDoc& m_doc;
    CTallowmereView* m_pView = nullptr;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace glintwick
