// Start-up of the program: style, document, frame, and the project to open.
#include "ui/TallowmereApp.h"

#include <wx/cmdline.h>
#include <wx/config.h>
#include <wx/filename.h>
#include <wx/msgout.h>
#include <wx/stdpaths.h>

#include <chrono>
#include <cstdio>

#include "model/FileError.h"
#include "model/ProjectFile.h"
#include "model/SafeFile.h"
#include "model/TallowmereDoc.h"
#include "model/platform/FileSystem.h"
#include "resources/StringTable.h"
#include "script/PreviewFolder.h"
#include "ui/HelpAccess.h"
#include "ui/MainFrame.h"
#include "ui/PlatformStyle.h"
#include "ui/Prompt.h"
#include "ui/RecentFileSettings.h"
#include "ui/ShellRegistration.h"
#include "ui/SplashWnd.h"
#include "ui/TallowmereView.h"
#include "ui/WxText.h"

namespace glintwick {

CTallowmereApp::CTallowmereApp() : m_doc(std::make_unique<CTallowmereDoc>()) {
    SetAppName(str::kAppName);
    SetAppDisplayName(str::kAppName);
}

CTallowmereApp::~CTallowmereApp() = default;

namespace {

// The process's start, near enough: when the program's statics are made.
const std::chrono::steady_clock::time_point g_started = std::chrono::steady_clock::now();
std::vector<std::string> g_rawArguments;

// The one project name among the raw arguments: the parser has checked that there is at most
// one and that the only option is the help switch, which ends the program. An empty name stays
// empty: it names no file at all.
std::optional<std::string> RawProjectArgument() {
    bool optionsEnded = false;
    for (size_t i = 1; i < g_rawArguments.size(); ++i) {
        const std::string& argument = g_rawArguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (optionsEnded || argument.empty() || argument[0] != '-') {
            return argument.empty() ? argument : AbsolutePath(argument);
        }
    }
    return std::nullopt;
}

// Collects what the command-line parser prints, so it can be shown as well.
class CCollectedOutput : public wxMessageOutput {
public:
    wxString m_strText;

protected:
    void Output(const wxString& text) override { m_strText += text; }
};

}  // namespace

void CTallowmereApp::SetRawArguments(int argc, char** argv) {
    g_rawArguments.assign(argv, argv + argc);
}

void CTallowmereApp::ReportUsage(const wxString& text) {
    std::fputs(text.utf8_string().c_str(), stderr);
    // A program started from a desktop has no terminal to read stderr on.
    ShowMessageBox(nullptr, text, wxOK | wxICON_ERROR);
}

bool CTallowmereApp::OnInit() {
    // The parser sees every raw argument through the file-name conversion, which keeps bytes
    // that are no text of the locale (wx's own copy drops such an argument).
    std::vector<wxString> arguments;
    for (const std::string& raw : g_rawArguments) arguments.push_back(PathToWx(raw));
    if (arguments.empty()) arguments.push_back(argv[0]);
    std::vector<wxChar*> pointers;
    for (const wxString& argument : arguments)
        pointers.push_back(const_cast<wxChar*>(argument.wx_str()));
    wxCmdLineParser parser;
    parser.SetCmdLine(static_cast<int>(pointers.size()), pointers.data());
    parser.AddParam("project", wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);
    parser.AddSwitch("h", "help", "show this help", wxCMD_LINE_OPTION_HELP);
    // main() answers --version before the application starts; listed here for --help.
    parser.AddSwitch("", "version", "print the version and exit");
    CCollectedOutput output;
    wxMessageOutput* const previous = wxMessageOutput::Set(&output);
    const int parsed = parser.Parse();
    wxMessageOutput::Set(previous);
    if (parsed < 0) std::fputs(output.m_strText.utf8_string().c_str(), stdout);
    if (parsed > 0) ReportUsage(output.m_strText);
    if (parsed != 0) return false;
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
    if (!StartUp(parser.GetParamCount() > 0 ? RawProjectArgument() : std::nullopt)) return false;
    SetHelpBookPath(FindHelpBook(wxStandardPaths::Get().GetExecutablePath()));
    // The start-up measurement ends the program at its first idle moment.
    if (wxGetenv("GLINTWICK_EXIT_WHEN_IDLE")) {
        Bind(wxEVT_IDLE, [this](wxIdleEvent&) {
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - g_started;
            std::fprintf(stderr, "glintwick: idle after %.0f ms\n", took.count());
            ExitMainLoop();
        });
    }
    return true;
}

CMainFrame* OpenMainWindow(CTallowmereDoc& doc, const std::optional<std::string>& path) {
    auto* frame = new CMainFrame(doc);
    if (!path || path->empty()) {
        doc.InitNewProject();
        frame->GetView()->OnInitialUpdate();
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
