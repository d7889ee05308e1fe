// Start-up of the program: style, document, frame, and the project to open.
#include "shell/TallowmereApp.h"

#include <wx/cmdline.h>

#include "model/FileError.h"
#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"
#include "resources/StringTable.h"
#include "shell/CompactStyle.h"
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
    ApplyCompactStyle();
    return StartUp(parser.GetParamCount() > 0 ? parser.GetParam(0) : wxString());
}

bool CTallowmereApp::StartUp(const wxString& path) {
    m_frame = new CMainFrame(*m_doc);
    if (path.empty()) {
        m_doc->InitNewProject();
    } else {
        try {
            LoadProject(*m_doc, path.utf8_string());
        } catch (const CFileFailure& failure) {
            ShowMessageBox(nullptr, wxString::FromUTF8(failure.Message()), wxOK | wxICON_EXCLAMATION);
            m_frame->Destroy();
            m_frame = nullptr;
            return false;
        }
    }
    m_frame->GetView()->OnInitialUpdate();
    m_frame->Show();
    m_frame->Update();
    return true;
}

int CTallowmereApp::OnExit() { return wxApp::OnExit(); }

}  // namespace glintwick
