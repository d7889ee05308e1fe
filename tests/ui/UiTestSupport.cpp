// The wx application for the window tests, and the frame fixture.
#include "UiTestSupport.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/log.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "resources/Ids.h"
#include "ui/HelpAccess.h"
#include "ui/PlatformStyle.h"

namespace glintwick::test {

std::string ReadText(const wxString& path) {
    std::ifstream in(path.utf8_string(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int PressOk(CEffectDlg& dialog, const std::function<void(CEffectDlg&)>& edit) {
    dialog.InitDialog();
    edit(dialog);
    return dialog.Validate() && dialog.TransferDataFromWindow() ? wxID_OK : wxID_NONE;
}

void FrameTest::SetUp() {
    doc.InitNewProject();
    frame = new CMainFrame(doc);
    view = frame->GetView();
    view->OnInitialUpdate();
    frame->Show();
    Flush();
}

void FrameTest::TearDown() {
    frame->Destroy();
    Flush();
}

void FrameTest::AddEffects(std::initializer_list<std::tuple<std::string, int, int, int>> effects) {
    for (const auto& [text, effect, speed, loops] : effects)
        doc.AddEffect(std::make_unique<CEffect>(text, effect, speed, loops));
}

void FrameTest::SelectRow(long row) { view->SelectRow(row); }

void FrameTest::RunMenuCommand(int command) {
    wxCommandEvent event(wxEVT_MENU, id::MenuId(command));
    frame->GetEventHandler()->ProcessEvent(event);
}

long RowCount(const CTallowmereView* view) {
    return static_cast<long>(view->EffectsModel()->GetCount());
}

wxString Cell(const CTallowmereView* view, long row, unsigned column) {
    return view->EffectsModel()->CellText(static_cast<unsigned>(row), column);
}

int ColumnWidth(const CTallowmereView* view, unsigned column) {
    return view->EffectsList()->GetColumn(column)->GetWidth();
}

void FrameTest::Flush() {
    for (int i = 0; i < 5; ++i) {
        wxYield();
        wxMilliSleep(5);
    }
}

wxCommandEvent Click() { return wxCommandEvent(wxEVT_BUTTON); }

}  // namespace glintwick::test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Settings, registration and help never touch the real home.
    char home[] = "/tmp/gwk-ui-home-XXXXXX";
    if (!mkdtemp(home)) return 1;
    setenv("HOME", home, 1);
    setenv("XDG_CONFIG_HOME", (std::string(home) + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (std::string(home) + "/data").c_str(), 1);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) return 1;
    wxTheApp->CallOnInit();
    // wx's own log messages go to the test output, not into a message box at the end.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    glintwick::ApplyPlatformStyle();
    const int result = RUN_ALL_TESTS();
    glintwick::ReleaseHelp();
    wxEntryCleanup();
    std::filesystem::remove_all(home);
    return result;
}
