// Start-up of the program: style, document, frame, and the project to open.
#include "shell/TallowmereApp.h"

#include <wx/cmdline.h>
#include <wx/config.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

#include "model/FileError.h"
#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"
#include "resources/StringTable.h"
#include "script/PreviewFolder.h"
#include "shell/CompactStyle.h"
#include "shell/FileDialogs.h"
#include "shell/FileTypeRegistration.h"
#include "shell/HelpAccess.h"
#include "shell/SplashWnd.h"
#include "shell/MainFrame.h"
#include "shell/Prompt.h"
#include "shell/TallowmereView.h"
#include "shell/WxText.h"

namespace glintwick {

CTallowmereApp::CTallowmereApp() : m_doc(std::make_unique<CTallowmereDoc>()) {
    SetAppName(str::kAppName);
    SetAppDisplayName(str::kAppName);
}

CTallowmereApp::~CTallowmereApp() = default;

bool CTallowmereApp::OnInit() {
    wxCmdLineParser parser(argc, argv);
    parser.AddParam("project", wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);
    parser.AddSwitch("h", "help", "show this help", wxCMD_LINE_OPTION_HELP);
    if (parser.Parse() != 0) return false;
    CSplashWnd::EnableSplash(true);
    // The settings file holds the recent files only; nothing may create another one.
    wxConfigBase::DontCreateOnDemand();
    ApplyCompactStyle();
    RegisterFileType(RegistrationFromEnvironment());
    // Preview folders of runs that were killed are nobody's any more.
    CPreviewFolder::RemoveAbandoned(PathFromWx(wxFileName::GetTempDir()));
    if (!StartUp(parser.GetParamCount() > 0 ? parser.GetParam(0) : wxString())) return false;
    SetHelpBookPath(HelpBookPathFor(wxStandardPaths::Get().GetExecutablePath()));
    // The start-up measurement ends the program at its first idle moment.
    if (wxGetenv("GLINTWICK_EXIT_WHEN_IDLE")) {
        Bind(wxEVT_IDLE, [this](wxIdleEvent&) { ExitMainLoop(); });
    }
    return true;
}

CMainFrame* OpenMainWindow(CTallowmereDoc& doc, const wxString& path) {
    auto* frame = new CMainFrame(doc);
    if (path.empty()) {
        doc.InitNewProject();
        frame->GetView()->OnInitialUpdate();
    } else if (!frame->Commands().OpenDocumentFile(wxFileName(path).GetAbsolutePath().utf8_string())) {
        CSplashWnd::HideSplash();
        frame->Destroy();
        return nullptr;
    }
    frame->Show();
    // The splash stays above the window it introduces, also where no window manager keeps
    // owned windows on top.
    if (CSplashWnd* splash = CSplashWnd::Current()) splash->Raise();
    frame->Update();
    return frame;
}

bool CTallowmereApp::StartUp(const wxString& path) {
    m_frame = OpenMainWindow(*m_doc, path);
    return m_frame != nullptr;
}

int CTallowmereApp::OnExit() {
    ReleaseHelp();
    return wxApp::OnExit();
}

}  // namespace glintwick
