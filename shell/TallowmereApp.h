// The application: start-up with a new project or the one named on the command line.
#pragma once

#include <wx/app.h>

#include <memory>

namespace glintwick {

class CTallowmereDoc;
class CMainFrame;

// Makes the main window over `doc` with a new project, or with the project at `path` when it
// is not empty, and shows it. When that file cannot be opened the message is shown, the window
// is destroyed unseen and the result is null.
CMainFrame* OpenMainWindow(CTallowmereDoc& doc, const wxString& path);

class CTallowmereApp : public wxApp {
public:
    CTallowmereApp();
    ~CTallowmereApp() override;

    bool OnInit() override;
    int OnExit() override;

    CTallowmereDoc& GetDocument() const { return *m_doc; }
    CMainFrame* GetMainFrame() const { return m_frame; }

    // Opens the frame on a new project, or on `path` when it is not empty; false (after the
    // error was shown) when that file cannot be opened.
    bool StartUp(const wxString& path);

private:
    std::unique_ptr<CTallowmereDoc> m_doc;
    CMainFrame* m_frame = nullptr;
};

}  // namespace glintwick
