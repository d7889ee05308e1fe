// Start-up of the program: style, document, frame, and the project to open.
#include "ui/TallowmereApp.h"

#include <wx/config.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

#include "model/FileError.h"
#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"
#include "model/platform/FileSystem.h"
#include "model/platform/SafeFile.h"
#include "resources/StringTable.h"
#include "script/PreviewFolder.h"
#include "ui/HelpAccess.h"
#include "ui/MainFrame.h"
#include "ui/PlatformStyle.h"
#include "ui/ProgramOptions.h"
#include "ui/Prompt.h"
#include "ui/RecentFileSettings.h"
#include "ui/ShellRegistration.h"
#include "ui/SplashWnd.h"
#include "ui/TallowmereView.h"
#include "ui/Translations.h"
#include "ui/WxText.h"

namespace glintwick {

CTallowmereApp::CTallowmereApp() : m_doc(std::make_unique<CTallowmereDoc>()) {
    NameProgramForDesktop();
    SetAppName(str::kAppName);
    SetAppDisplayName(str::kAppName);
}

CTallowmereApp::~CTallowmereApp() = default;

namespace {

std::vector<std::string> g_rawArguments;

}  // namespace

void CTallowmereApp::SetRawArguments(int argc, char** argv) {
    g_rawArguments.assign(argv, argv + argc);
}

bool CTallowmereApp::OnInit() {
    // main() has answered --help and --version, and written a mistake to stderr; a program
    // started from a desktop has no terminal to read it on, so it shows in a box as well.
    const ProgramOptions options = ReadProgramOptions(g_rawArguments);
    if (options.action == ProgramOptions::Action::Mistake)
        ShowMessageBox(nullptr, PathToWx("glintwick: " + options.mistake + "\n\n" + ProgramUsage()),
                       wxOK | wxICON_ERROR);
    if (options.action != ProgramOptions::Action::Start) return false;
    UseUserLanguage(wxStandardPaths::Get().GetExecutablePath());
    CSplashWnd::EnableSplash(true);
    // The settings file holds the recent files only; nothing may create another one.
    wxConfigBase::DontCreateOnDemand();
    ApplyPlatformStyle();
    RegisterProjectFileType();
    MarkProgramRunning();
    // Preview folders of runs that were killed are nobody's any more.
    CPreviewFolder::RemoveAbandoned(PathFromWx(wxFileName::GetTempDir()));
    // So are temporary files that killed saves left beside the projects last worked on.
    RemoveAbandonedSaves(ReadRecentFileSettings());
    std::optional<std::string> project = options.project;
    if (project && !project->empty()) project = AbsolutePath(*project);
    if (!StartUp(project)) return false;
    SetHelpBookPath(FindHelpBook(wxStandardPaths::Get().GetExecutablePath()));
    return true;
}

CMainFrame* OpenMainWindow(CTallowmereDoc& doc, const std::optional<std::string>& path) {
    auto* frame = new CMainFrame(doc);
    if (!path || path->empty()) {
        doc.InitNewProject();
    } else if (!frame->Commands().OpenDocumentFile(*path)) {
        CSplashWnd::HideSplash();
        frame->Destroy();
        return nullptr;
    }
    frame->Show();
    // The splash stays above the window it introduces, also where no window manager keeps
    // owned windows on top.
    if (CSplashWnd* splash = CSplashWnd::Current()) splash->Raise();
    frame->Update();
    if (path && path->empty())
        ShowFileFailure(frame, CFileFailure(FailureCause::BadPath, *path), wxICON_EXCLAMATION);
    return frame;
}

bool CTallowmereApp::StartUp(const std::optional<std::string>& path) {
    m_frame = OpenMainWindow(*m_doc, path);
    return m_frame != nullptr;
}

int CTallowmereApp::OnExit() {
    ReleaseHelp();
    return wxApp::OnExit();
}

}  // namespace glintwick
