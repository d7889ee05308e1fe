// Tools > Preview in Browser and Save Status Strip Script through the real handlers.
#include <sys/stat.h>
#include <unistd.h>
#include <wx/dir.h>
#include <wx/filename.h>

#include <fstream>

#include "UiTestSupport.h"
#include "resources/Ids.h"
#include "script/BrowserPreview.h"
#include "script/PreviewFolder.h"
#include "script/ScriptWriter.h"
#include "ui/ScriptDoneDlg.h"
#include "ui/WebBrowser.h"

namespace glintwick::test {
namespace {

class BrowserCommandsTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        savedLauncher = BrowserLauncher();
        BrowserLauncher() = [this](const wxString& url, const BrowserFailure&) {
            opened.push_back(url);
            return browserStarts;
        };
        folder = wxFileName::CreateTempFileName("gwk-strip");
        wxRemoveFile(folder);
        wxFileName::Mkdir(folder);
    }
    void TearDown() override {
        BrowserLauncher() = savedLauncher;
        FrameTest::TearDown();
        wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
    }
    CBrowserCommands& Commands() { return frame->BrowserCommands(); }

    std::function<bool(const wxString&, const BrowserFailure&)> savedLauncher;
    std::vector<wxString> opened;
    bool browserStarts = true;
    wxString folder;
};

TEST_F(BrowserCommandsTest, ToolsMenuOffersBothCommandsAfterOptions) {
    EXPECT_EQ(frame->GetMenuBar()->GetMenuLabelText(2), "Tools") << "after File and Edit";
    wxMenu* tools = frame->GetMenuBar()->GetMenu(2);
    ASSERT_EQ(tools->GetMenuItemCount(), 4u);
    EXPECT_EQ(tools->FindItemByPosition(0)->GetId(), id::MenuId(id::kToolsOptions));
    EXPECT_TRUE(tools->FindItemByPosition(1)->IsSeparator());
    EXPECT_EQ(tools->FindItemByPosition(2)->GetItemLabel(), "Preview in &Browser");
    EXPECT_EQ(tools->FindItemByPosition(2)->GetId(), id::MenuId(id::kToolsPreviewInBrowser));
    EXPECT_EQ(tools->FindItemByPosition(3)->GetItemLabel(), "Save Status &Strip Script...");
    EXPECT_EQ(tools->FindItemByPosition(3)->GetId(), id::MenuId(id::kToolsSaveStatusStrip));
}

TEST_F(BrowserCommandsTest, PreviewOpensThePageOfTheUnsavedProjectAndCleansUpAtTheEnd) {
    AddEffects({{"hello", 0, 20, 1}, {"world", 10, 15, 2}});
    RunMenuCommand(id::kToolsPreviewInBrowser);
    ASSERT_EQ(opened.size(), 1u);
    const std::string previewFolder = Commands().PreviewFolder();
    const wxString page = wxString::FromUTF8(previewFolder) + "/Untitled.html";
    EXPECT_EQ(opened[0], wxFileName::FileNameToURL(wxFileName(page)));
    EXPECT_EQ(ReadText(page), PreviewPageHtml(doc, "Untitled.js"));
    EXPECT_EQ(ReadText(wxString::FromUTF8(previewFolder) + "/Untitled.js"),
              WriteScript(doc, "Untitled.js"));
    EXPECT_TRUE(doc.IsModified()) << "previewing saves nothing";

    // Later edits show in the next preview, in the same folder, also after it was removed.
    doc.SetRepeat(7);
    Commands().OnPreviewInBrowser();
    EXPECT_EQ(Commands().PreviewFolder(), previewFolder);
    EXPECT_NE(ReadText(wxString::FromUTF8(previewFolder) + "/Untitled.js").find("stel:7,"),
              std::string::npos);
    wxFileName::Rmdir(wxString::FromUTF8(previewFolder), wxPATH_RMDIR_RECURSIVE);
    Commands().OnPreviewInBrowser();
    EXPECT_TRUE(
        wxFileName::FileExists(wxString::FromUTF8(Commands().PreviewFolder()) + "/Untitled.html"));

    const wxString lastFolder = wxString::FromUTF8(Commands().PreviewFolder());
    FrameTest::TearDown();
    frame = nullptr;
    EXPECT_FALSE(wxFileName::DirExists(lastFolder));
    FrameTest::SetUp();
}

// A folder anyone may write to, with a link named like the page, where the preview folder was:
// the preview goes to a new folder of its own and writes through nothing.
TEST_F(BrowserCommandsTest, PreviewNeverUsesAFolderThatIsNoLongerItsOwn) {
    AddEffects({{"hello", 0, 10, 1}});
    Commands().OnPreviewInBrowser();
    const std::string first = Commands().PreviewFolder();
    const wxString outside = folder + "/outside.txt";
    std::ofstream(outside.utf8_string()) << "not the preview's";
    wxFileName::Rmdir(wxString::FromUTF8(first), wxPATH_RMDIR_RECURSIVE);
    ASSERT_EQ(::mkdir(first.c_str(), 0777), 0);
    ::chmod(first.c_str(), 0777);
    ASSERT_EQ(::symlink(outside.utf8_string().c_str(), (first + "/Untitled.html").c_str()), 0);

    Commands().OnPreviewInBrowser();
    EXPECT_NE(Commands().PreviewFolder(), first);
    EXPECT_TRUE(IsPrivateFolder(Commands().PreviewFolder()));
    EXPECT_EQ(ReadText(outside), "not the preview's");
    EXPECT_EQ(opened.back(),
              wxFileName::FileNameToURL(
                  wxFileName(wxString::FromUTF8(Commands().PreviewFolder()) + "/Untitled.html")));
    wxFileName::Rmdir(wxString::FromUTF8(first), wxPATH_RMDIR_RECURSIVE);
}

TEST_F(BrowserCommandsTest, PreviewSaysWhereThePageIsWhenNoBrowserStarts) {
    AddEffects({{"hello", 0, 10, 1}});
    Commands().OnPreviewInBrowser();
    browserStarts = false;
    const wxString page = wxString::FromUTF8(Commands().PreviewFolder()) + "/Untitled.html";
    wxTEST_DIALOG(
        Commands().OnPreviewInBrowser(),
        ExpectMessage("No web browser could be started. The preview page is " + page, wxID_OK));
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_TRUE(wxFileName::FileExists(page));
}

// The real launcher: xdg-open that finds no program for web pages ends with 3 after it started,
// and only then is it known that no browser shows the page.
TEST_F(BrowserCommandsTest, PreviewSaysWhereThePageIsWhenTheLauncherFails) {
    AddEffects({{"hello", 0, 10, 1}});
    BrowserLauncher() = savedLauncher;
    wxString searchPath;
    wxGetEnv("PATH", &searchPath);
    wxSetEnv("PATH", folder + ":" + searchPath);
    const wxString ran = folder + "/ran";
    // The first run makes the preview folder that the message names.
    for (const int status : {0, 3}) {
        SCOPED_TRACE(status);
        const wxString launcher = folder + "/xdg-open";
        std::ofstream(launcher.utf8_string())
            << "#!/bin/sh\necho \"$1\" >'" << ran << "'\nexit " << status << "\n";
        ::chmod(launcher.utf8_string().c_str(), 0755);
        wxRemoveFile(ran);
        auto previewAndWait = [&] {
            Commands().OnPreviewInBrowser();
            for (int i = 0; i < 100 && !wxFileName::FileExists(ran); ++i) wxMilliSleep(50);
            for (int i = 0; i < 10; ++i) {
                wxMilliSleep(50);
                wxYield();
            }
        };
        if (status == 0) {
            wxTestingModalHook noDialog;  // any message box fails the test
            previewAndWait();
        } else {
            wxTEST_DIALOG(
                previewAndWait(),
                ExpectMessage("No web browser could be started. The preview page is " +
                                  wxString::FromUTF8(Commands().PreviewFolder()) + "/Untitled.html",
                              wxID_OK));
        }
        EXPECT_TRUE(wxFileName::FileExists(ran)) << "xdg-open was not run";
    }
    wxSetEnv("PATH", searchPath);
}

TEST_F(BrowserCommandsTest, PreviewOfAnEmptyListOnlySaysSo) {
    wxTEST_DIALOG(Commands().OnPreviewInBrowser(),
                  ExpectMessage("You have not defined any effects yet.", wxID_OK));
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(Commands().PreviewFolder().empty());
}

TEST_F(BrowserCommandsTest, GenerateAndPreviewAskFirstForAProjectThatFlashesTooFast) {
    // Ten loops of Flashing at 20, a flash every 60 ms, and the text typed before it: ten
    // flashes within one second.
    AddEffects({{"calm", 0, 10, 1}, {"Sale", 4, 20, 10}});
    const wxString question =
        "Effect 2 flashes 10 times within one second; more than three flashes a second can "
        "trigger seizures in some visitors. Write the script anyway?";
    const auto ask = [&](int answer) {
        return ExpectDialog<wxMessageDialog>([=](wxMessageDialog& box) {
            EXPECT_EQ(box.GetMessage(), question);
            EXPECT_TRUE(box.GetMessageDialogStyle() & wxNO_DEFAULT) << "No is the default";
            return answer;
        });
    };
    const auto done = ExpectDialog<CScriptDoneDlg>([](CScriptDoneDlg&) { return wxID_OK; });
    const wxString script = folder + "/sale.js";
    // No: no file is asked for, nothing is written and no browser opens.
    wxTEST_DIALOG(RunMenuCommand(id::kGenerateJavascript), ask(wxID_NO));
    wxTEST_DIALOG(RunMenuCommand(id::kToolsPreviewInBrowser), ask(wxID_NO));
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(Commands().PreviewFolder().empty());
    // Yes goes on as for any project.
    wxTEST_DIALOG(RunMenuCommand(id::kGenerateJavascript), ask(wxID_YES), ExpectFile(script), done);
    EXPECT_EQ(ReadText(script), WriteScript(doc, "sale.js"));
    wxTEST_DIALOG(RunMenuCommand(id::kToolsPreviewInBrowser), ask(wxID_YES));
    EXPECT_EQ(opened.size(), 1u);
    // A calm project is not asked about.
    doc.UpdateEffect(doc.GetAt(1), "Sale", 4, 15, 10);
    RunMenuCommand(id::kToolsPreviewInBrowser);
    EXPECT_EQ(opened.size(), 2u);
}

TEST_F(BrowserCommandsTest, SaveStripWritesTheScriptAndShowsItsTag) {
    wxTEST_DIALOG(Commands().OnSaveStatusStrip(),
                  ExpectFile(folder + "/strip", "glintwick-strip.js"),
                  ExpectDialog<CScriptDoneDlg>([](CScriptDoneDlg& dialog) {
                      dialog.Show();
                      Flush();
                      EXPECT_EQ(dialog.TagEdit()->GetValue(), "<SCRIPT SRC='strip.js'></SCRIPT>");
                      dialog.Hide();
                      return wxID_OK;
                  }));
    EXPECT_EQ(ReadText(folder + "/strip.js"), StatusStripScript());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(BrowserCommandsTest, SaveStripCancelledOrFailingWritesNothing) {
    wxTEST_DIALOG(Commands().OnSaveStatusStrip(),
                  ExpectFile(folder + "/a.js", wxString(), wxID_CANCEL));
    const wxString missing = folder + "/gone/a.js";
    wxTEST_DIALOG(Commands().OnSaveStatusStrip(), ExpectFile(missing),
                  ExpectMessage(missing + " contains an invalid path.", wxID_OK));
    wxArrayString files;
    EXPECT_EQ(wxDir::GetAllFiles(folder, &files), 0u);
}

}  // namespace
}  // namespace glintwick::test
