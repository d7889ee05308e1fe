// Another process writing the open project's file, noticed when the window is back in front or
// saves: real X focus changes, real keys, and the real glintwick-cli as the other writer.
#include <wx/filename.h>

#include <fstream>

#include "ChildProcess.h"
#include "UiTestSupport.h"
#include "XProbe.h"
#include "model/ProjectFile.h"

namespace glintwick::test {
namespace {

class FileChangedOutsideTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        folder = wxFileName::CreateTempFileName("gwk-outside").utf8_string();
        wxRemoveFile(folder);
        wxFileName::Mkdir(folder);
        AddEffects({{"mine", 0, 10, 1}});
        ASSERT_TRUE(frame->Commands().DoSave(path()));
        other = new wxFrame(nullptr, wxID_ANY, "Another program");
        other->Show();
        FocusForKeys(view->EffectsList());
    }
    void TearDown() override {
        other->Destroy();
        FrameTest::TearDown();
        wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
    }
    std::string path() const { return folder + "/shared.gwk"; }
    // What a second window's save does to the file: glintwick-cli import writes `text` as the
    // project's one effect over it.
    void WriteFromOutside(const std::string& text) {
        const std::string json = folder + "/theirs.json";
        std::ofstream(json) << R"({"effects":[{"text":")" << text
                            << R"(","effect":1,"speed":5,"loops":1}]})";
        ChildLaunch launch;
        launch.argv = {GLINTWICK_CLI, "import", json, path()};
        ASSERT_EQ(RunChild(launch).exitCode, 0);
    }
    // The focus goes to another window and comes back, as X delivers it.
    void Reactivate() {
        FocusForKeys(other);
        FocusForKeys(view->EffectsList());
        Pump(100);
    }
    std::string SavedFirstText() {
        CTallowmereDoc saved;
        LoadProject(saved, path());
        return saved.GetCount() ? std::string(saved.GetAt(0)->GetText()) : "";
    }
    wxString Question() const {
        return path() +
               " was changed outside this window.\nDo you want to reload it? Changes you have not "
               "saved will be lost.\nNo keeps this version; saving it replaces the file.";
    }

    std::string folder;
    wxFrame* other = nullptr;
};

TEST_F(FileChangedOutsideTest, ReloadShowsTheOtherWritersEffects) {
    AddEffects({{"unsaved", 0, 10, 1}});
    WriteFromOutside("theirs");
    wxTEST_DIALOG(Reactivate(), ExpectMessage(Question(), wxID_YES));
    ASSERT_EQ(RowCount(view), 1);
    EXPECT_EQ(Cell(view, 0, 0), "theirs");
    EXPECT_FALSE(doc.IsModified());
    MessageBoxHook hook([] {});
    Reactivate();
    EXPECT_EQ(hook.m_nShown, 0) << "the reloaded file is no change";
}

TEST_F(FileChangedOutsideTest, KeepThenCtrlSWritesThisWindowsVersionWithoutAskingAgain) {
    WriteFromOutside("theirs");
    MessageBoxHook hook([&] { Reactivate(); });  // answers OK: not Yes, so this version stays
    Reactivate();
    EXPECT_EQ(hook.m_nShown, 1) << "coming back while the question shows asks nothing more";
    EXPECT_EQ(Cell(view, 0, 0), "mine");
    PressKey('S', wxMOD_CONTROL);
    EXPECT_EQ(hook.m_nShown, 1) << "the kept change is not asked about again";
    EXPECT_EQ(SavedFirstText(), "mine");
}

TEST_F(FileChangedOutsideTest, SavingAsksFirstWhenTheFileChangedAndNotOtherwise) {
    MessageBoxHook hook([] {});
    Reactivate();
    PressKey('S', wxMOD_CONTROL);
    EXPECT_EQ(hook.m_nShown, 0) << "no outside change, no question";
    WriteFromOutside("theirs");
    PressKey('S', wxMOD_CONTROL);
    EXPECT_EQ(hook.m_nShown, 1) << "Save asks before it writes";
    EXPECT_EQ(SavedFirstText(), "mine");
    WriteFromOutside("theirs again");
    wxTEST_DIALOG(frame->Commands().DoSaveAs(), ExpectFile(path()),
                  ExpectMessage(Question(), wxID_NO));
    EXPECT_EQ(SavedFirstText(), "mine") << "Save As onto the same file asks too";
}

}  // namespace
}  // namespace glintwick::test
