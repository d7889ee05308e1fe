// File commands, recent files, Options, Generate and help through the real handlers.
#include <sys/stat.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpwnd.h>
#include <wx/notebook.h>

#include <fstream>

#include <cmath>

#include "UiTestSupport.h"
#include "model/ProjectFile.h"
#include "resources/Ids.h"
#include "script/ScriptWriter.h"
#include "script/SvgWriter.h"
#include "ui/AboutDlg.h"
#include "ui/HelpAccess.h"
#include "ui/HyperLink.h"
#include "ui/OptionsDlg.h"
#include "ui/RecentFileStore.h"
#include "ui/ScriptDoneDlg.h"
#include "ui/TallowmereApp.h"
#include "ui/gtk/SettingsFile.h"

namespace glintwick::test {
namespace {

class FileCommandsTest : public FrameTest {
protected:
    void SetUp() override {
        folder = wxFileName::CreateTempFileName("gwk-ui");
        wxRemoveFile(folder);
        wxFileName::Mkdir(folder);
        FrameTest::SetUp();
    }
    void TearDown() override {
        FrameTest::TearDown();
        wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
        if (wxFileName::FileExists(SettingsFilePath())) wxRemoveFile(SettingsFilePath());
    }
    wxString File(const wxString& name) const { return folder + "/" + name; }
    CDocumentCommands& Commands() { return frame->Commands(); }
    void SaveAs(const wxString& path) { wxTEST_DIALOG(Commands().DoSaveAs(), ExpectFile(path)); }
    wxString RecentLabel(size_t index) {
        wxMenu* file = frame->GetMenuBar()->GetMenu(0);
        wxMenuItem* item = file->FindItem(id::MenuId(id::kRecentFile1) + static_cast<int>(index));
        return item ? item->GetItemLabel() : wxString();
    }

    wxString folder;
};

TEST_F(FileCommandsTest, SaveAsProposesUntitledAddsTheExtensionAndRetitlesTheWindow) {
    AddEffects({{"hello", 0, 10, 1}});
    wxTEST_DIALOG(EXPECT_TRUE(Commands().DoFileSave()), ExpectFile(File("show"), "Untitled.gwk"));
    EXPECT_TRUE(wxFileName::FileExists(File("show.gwk")));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(frame->GetTitle(), "show.gwk - Glintwick by Orvane");
    // Saving again goes straight to the file.
    doc.SetRepeat(3);
    EXPECT_TRUE(Commands().DoFileSave());
    CTallowmereDoc reloaded;
    LoadProject(reloaded, File("show.gwk").utf8_string());
    EXPECT_EQ(reloaded.GetRepeat(), 3);
}

TEST_F(FileCommandsTest, ReadOnlyOrMissingFileFallsBackToSaveAs) {
    AddEffects({{"hello", 0, 10, 1}});
    SaveAs(File("first.gwk"));
    wxFileName(File("first.gwk")).SetPermissions(wxPOSIX_USER_READ);
    doc.SetModified(true);
    wxTEST_DIALOG(EXPECT_TRUE(Commands().DoFileSave()),
                  ExpectFile(File("second.gwk"), "first.gwk"));
    EXPECT_EQ(doc.GetTitle(), "second.gwk");
    wxRemoveFile(File("second.gwk"));
    const wxString gone = File("second.gwk") +
                          " was deleted or moved outside this window.\nThis version stays open; "
                          "save it to keep it.";
    wxTEST_DIALOG(EXPECT_FALSE(Commands().DoFileSave()), ExpectMessage(gone, wxID_OK),
                  ExpectFile("", "second.gwk", wxID_CANCEL));
}

TEST_F(FileCommandsTest, SaveChangesQuestionYesNoAndCancelOnNew) {
    AddEffects({{"keep me", 0, 10, 1}});
    const wxString question = "Save changes to Untitled?";
    wxTEST_DIALOG(Commands().OnFileNew(), ExpectMessage(question, wxID_CANCEL));
    EXPECT_EQ(doc.GetCount(), 1) << "Cancel abandons the command";
    wxTEST_DIALOG(Commands().OnFileNew(), ExpectMessage(question, wxID_YES),
                  ExpectFile("", "Untitled.gwk", wxID_CANCEL));
    EXPECT_EQ(doc.GetCount(), 1) << "a cancelled save abandons the command too";
    wxTEST_DIALOG(Commands().OnFileNew(), ExpectMessage(question, wxID_YES),
                  ExpectFile(File("kept.gwk")));
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_TRUE(wxFileName::FileExists(File("kept.gwk")));
    AddEffects({{"dropped", 0, 10, 1}});
    wxTEST_DIALOG(Commands().OnFileNew(), ExpectMessage(question, wxID_NO));
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_EQ(RowCount(view), 0);
}

TEST_F(FileCommandsTest, OpeningATruncatedFileLeavesANewUntitledProject) {
    AddEffects({{"one", 0, 10, 1}, {"two", 0, 10, 1}});
    SaveAs(File("whole.gwk"));
    std::string bytes = ReadText(File("whole.gwk"));
    std::ofstream(File("cut.gwk").utf8_string(), std::ios::binary)
        << bytes.substr(0, bytes.size() - 3);
    wxTEST_DIALOG(Commands().OnFileOpen(), ExpectFile(File("cut.gwk")),
                  ExpectMessage("Unexpected file format.", wxID_OK));
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_EQ(RowCount(view), 0);
    EXPECT_EQ(frame->GetTitle(), "Untitled - Glintwick by Orvane");
    wxTEST_DIALOG(Commands().OnFileOpen(), ExpectFile(File("whole.gwk")));
    EXPECT_EQ(RowCount(view), 2);
}

TEST_F(FileCommandsTest, AMissingFileIsReportedAndTheProjectStays) {
    AddEffects({{"stay", 0, 10, 1}});
    const wxString missing = File("gone.gwk");
    wxTEST_DIALOG(EXPECT_FALSE(Commands().OpenDocumentFile(missing.utf8_string())),
                  ExpectMessage(missing + " was not found.", wxID_OK));
    EXPECT_EQ(doc.GetCount(), 1);
    EXPECT_TRUE(doc.IsModified());
}

// A FIFO opened as a project or chosen from the recent files is refused at once, with the
// message of a path the program may not use, and the open project stays.
TEST_F(FileCommandsTest, AFifoAsProjectOrRecentEntryIsRefusedWithoutWaiting) {
    AddEffects({{"stay", 0, 10, 1}});
    const wxString fifo = File("pipe.gwk");
    ASSERT_EQ(::mkfifo(fifo.utf8_string().c_str(), 0600), 0);
    wxTEST_DIALOG(EXPECT_FALSE(Commands().OpenDocumentFile(fifo.utf8_string())),
                  ExpectMessage("Access to " + fifo + " was denied.", wxID_OK));
    EXPECT_EQ(doc.GetCount(), 1);
    EXPECT_TRUE(doc.IsModified());

    frame->RecentFiles().Add(fifo.utf8_string());
    doc.SetModified(false);
    wxTEST_DIALOG(Commands().OnOpenRecentFile(0),
                  ExpectMessage("Access to " + fifo + " was denied.", wxID_OK));
    EXPECT_TRUE(frame->RecentFiles().Paths().empty()) << "an entry that does not open leaves";
    EXPECT_EQ(doc.GetCount(), 1);
}

// A FIFO where the help book belongs: help opens (empty) instead of hanging the program.
TEST_F(FileCommandsTest, AFifoInThePlaceOfTheHelpBookIsNotOpened) {
    const wxString fifo = File("glintwick.htb");
    ASSERT_EQ(::mkfifo(fifo.utf8_string().c_str(), 0600), 0);
    ReleaseHelp();
    SetHelpBookPath(fifo);
    ShowHelpContents();
    EXPECT_NE(HelpController().GetFrame(), nullptr);
    ReleaseHelp();
    SetHelpBookPath(GLINTWICK_HELP_BOOK);
}

TEST_F(FileCommandsTest, AProjectThatCannotOpenAtStartEndsBeforeTheWindowAppears) {
    CTallowmereDoc other;
    const wxString missing = File("nowhere.gwk");
    CMainFrame* opened = nullptr;
    wxTEST_DIALOG(opened = OpenMainWindow(other, missing.utf8_string()),
                  ExpectMessage(missing + " was not found.", wxID_OK));
    EXPECT_EQ(opened, nullptr);
    Flush();
}

// A script's unset variable names no file: the window opens on a new project and says so.
TEST_F(FileCommandsTest, AnEmptyNameAtStartOpensTheWindowAndCallsThePathInvalid) {
    CTallowmereDoc other;
    CMainFrame* opened = nullptr;
    wxTEST_DIALOG(opened = OpenMainWindow(other, std::string()),
                  ExpectMessage(" contains an invalid path.", wxID_OK));
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->IsShown());
    EXPECT_EQ(other.GetCount(), 0);
    opened->Destroy();
    Flush();
}

TEST_F(FileCommandsTest, RecentFilesNewestFirstFourAtMostUnderTheirExactKeys) {
    AddEffects({{"x", 0, 10, 1}});
    EXPECT_EQ(RecentLabel(0), "Recent File");
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(id::MenuId(id::kRecentFile1)));
    for (const char* name : {"a.gwk", "b.gwk", "c.gwk", "d.gwk", "e.gwk"}) SaveAs(File(name));
    const auto& paths = frame->RecentFiles().Paths();
    ASSERT_EQ(paths.size(), 4u);
    EXPECT_EQ(wxFileName(wxString::FromUTF8(paths[0])).GetFullName(), "e.gwk");
    EXPECT_EQ(wxFileName(wxString::FromUTF8(paths[3])).GetFullName(), "b.gwk");
    EXPECT_TRUE(RecentLabel(0).StartsWith("&1 "));
    EXPECT_TRUE(RecentLabel(0).EndsWith("e.gwk"));
    EXPECT_LE(RecentLabel(3).length() - 3, 30u);
    const std::string settings = ReadText(SettingsFilePath());
    EXPECT_NE(settings.find("[Recent File List]"), std::string::npos) << settings;
    for (const char* key : {"File1=", "File2=", "File3=", "File4="})
        EXPECT_NE(settings.find(key), std::string::npos) << key;
    EXPECT_EQ(settings.find("File5"), std::string::npos);
    EXPECT_TRUE(SettingsFilePath().StartsWith(wxGetenv("XDG_CONFIG_HOME")));

    // Opening an entry that no longer exists reports it and drops it from the list.
    wxRemoveFile(File("e.gwk"));
    doc.SetModified(false);
    wxTEST_DIALOG(Commands().OnOpenRecentFile(0),
                  ExpectMessage(File("e.gwk") + " was not found.", wxID_OK));
    EXPECT_EQ(frame->RecentFiles().Paths().size(), 3u);
}

TEST_F(FileCommandsTest, OptionsOkAlwaysMarksModifiedAndCancelChangesNothing) {
    wxTEST_DIALOG(Commands().OnOptions(), ExpectDialog<COptionsDlg>([](COptionsDlg& dialog) {
                      dialog.InitDialog();
                      EXPECT_EQ(dialog.FinalTextEdit()->GetValue(), "");
                      EXPECT_TRUE(dialog.AutoStartCheck()->GetValue());
                      return dialog.TransferDataFromWindow() ? wxID_OK : wxID_NONE;
                  }));
    EXPECT_TRUE(doc.IsModified());
    doc.SetModified(false);
    wxTEST_DIALOG(Commands().OnOptions(), ExpectDialog<COptionsDlg>([](COptionsDlg& dialog) {
                      dialog.InitDialog();
                      dialog.FinalTextEdit()->SetValue("Bye");
                      dialog.AutoStartCheck()->SetValue(false);
                      return wxID_CANCEL;
                  }));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetAutoStart(), 1);
    wxTEST_DIALOG(Commands().OnOptions(), ExpectDialog<COptionsDlg>([](COptionsDlg& dialog) {
                      dialog.InitDialog();
                      dialog.FinalTextEdit()->SetValue("Bye");
                      dialog.AutoStartCheck()->SetValue(false);
                      return dialog.TransferDataFromWindow() ? wxID_OK : wxID_NONE;
                  }));
    EXPECT_EQ(doc.GetFinalText(), "Bye");
    EXPECT_EQ(doc.GetAutoStart(), 0);
}

TEST_F(FileCommandsTest, OptionsRefusesMoreThan300CharactersAndShowsOddFlagsCleared) {
    doc.SetOptions(std::string(301, 'f'), doc.GetAutoStart());
    doc.SetOptions(doc.GetFinalText(), 7);
    wxTEST_DIALOG(Commands().OnOptions(), ExpectDialog<COptionsDlg>([](COptionsDlg& dialog) {
                      dialog.InitDialog();
                      EXPECT_FALSE(dialog.AutoStartCheck()->GetValue());
                      bool accepted = true;
                      wxTEST_DIALOG(
                          accepted = dialog.TransferDataFromWindow(),
                          ExpectMessage("Please enter no more than 300 characters.", wxID_OK));
                      EXPECT_FALSE(accepted);
                      dialog.FinalTextEdit()->SetValue(wxString(300, 'f'));
                      return dialog.TransferDataFromWindow() ? wxID_OK : wxID_NONE;
                  }));
    EXPECT_EQ(doc.GetFinalText().size(), 300u);
    EXPECT_EQ(doc.GetAutoStart(), 0);
}

TEST_F(FileCommandsTest, GenerateRefusesAnEmptyListWithoutAskingForAFile) {
    wxTEST_DIALOG(Commands().OnGenerateJavascript(),
                  ExpectMessage("You have not defined any effects yet.", wxID_OK));
}

// Export Animated SVG: refused for an empty list as Generate is; otherwise the file the command
// line writes, under the project's name with .svg added, and the project stays unmodified.
TEST_F(FileCommandsTest, ExportSvgWritesTheAnimatedImageUnderTheProjectsName) {
    wxTEST_DIALOG(Commands().OnExportSvg(),
                  ExpectMessage("You have not defined any effects yet.", wxID_OK));
    AddEffects({{"promo", 5, 12, 2}});
    SaveAs(File("banner.gwk"));
    wxTEST_DIALOG(Commands().OnExportSvg(), ExpectFile(File("banner"), "banner.svg"));
    EXPECT_EQ(ReadText(File("banner.svg")), WriteAnimatedSvg(doc));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(FileCommandsTest, GenerateWritesTheScriptAndShowsTheTagSelected) {
    AddEffects({{"promo", 5, 12, 2}});
    doc.SetModified(false);
    wxTEST_DIALOG(Commands().OnGenerateJavascript(), ExpectFile(File("effects")),
                  ExpectDialog<CScriptDoneDlg>([](CScriptDoneDlg& dialog) {
                      dialog.Show();  // as ShowModal would, which also initialises it
                      Flush();
                      EXPECT_EQ(dialog.TagEdit()->GetValue(), "<SCRIPT SRC='effects.js'></SCRIPT>");
                      long from = 0, to = 0;
                      dialog.TagEdit()->GetSelection(&from, &to);
                      EXPECT_EQ(to - from,
                                static_cast<long>(dialog.TagEdit()->GetValue().length()));
                      EXPECT_TRUE(dialog.TitleText()->GetFont().GetWeight() == wxFONTWEIGHT_BOLD);
                      dialog.Hide();
                      return wxID_OK;
                  }));
    EXPECT_EQ(ReadText(File("effects.js")), WriteScript(doc, "effects.js"));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(FileCommandsTest, GenerateWarnsAboutANameThatCannotRunAndNoWritesNothing) {
    AddEffects({{"promo", 0, 10, 1}});
    const wxString warning =
        "The script name \"my page\" is not a valid JavaScript name, so the script will not run "
        "in a page. Generate it anyway?";
    wxTEST_DIALOG(Commands().OnGenerateJavascript(), ExpectFile(File("my page.js")),
                  ExpectMessage(warning, wxID_NO));
    EXPECT_FALSE(wxFileName::FileExists(File("my page.js")));
    wxString statusWarning = warning;
    statusWarning.Replace("my page", "status");
    wxTEST_DIALOG(Commands().OnGenerateJavascript(), ExpectFile(File("status.js")),
                  ExpectMessage(statusWarning, wxID_YES),
                  ExpectDialog<CScriptDoneDlg>([](CScriptDoneDlg&) { return wxID_OK; }));
    EXPECT_TRUE(wxFileName::FileExists(File("status.js"))) << "Yes writes the file as designed";
}

TEST_F(FileCommandsTest, ExitAndCloseAskAboutUnsavedChanges) {
    AddEffects({{"unsaved", 0, 10, 1}});
    wxCommandEvent exitCommand(wxEVT_MENU, id::MenuId(id::kAppExit));
    wxTEST_DIALOG(frame->GetEventHandler()->ProcessEvent(exitCommand),
                  ExpectMessage("Save changes to Untitled?", wxID_CANCEL));
    EXPECT_FALSE(frame->IsBeingDeleted());
    EXPECT_TRUE(frame->IsShown());
}

TEST_F(FileCommandsTest, MoreInfoButtonsOpenTheirTopicsInTheHelpBook) {
    SetHelpBookPath(GLINTWICK_HELP_BOOK);
    const struct {
        int topic;
        const char* page;
    } topics[] = {{3300, "effect_dialog"}, {3320, "options"}, {3360, "generate"}};
    for (const auto& t : topics) {
        ShowHelpTopic(t.topic);
        Flush();
        wxHtmlHelpWindow* window = HelpController().GetHelpWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->GetHtmlWindow()->GetOpenedPage().Contains(t.page))
            << t.topic << " opened " << window->GetHtmlWindow()->GetOpenedPage();
    }
    // Contents, index and search open without any message of their own.
    ShowHelpContents();
    ShowHelpIndex();
    ShowHelpSearch();
    Flush();
    ASSERT_TRUE(HelpController().GetFrame() && HelpController().GetFrame()->IsShown());
    auto* pages =
        wxDynamicCast(HelpController().GetFrame()->FindWindow(wxID_HTML_NOTEBOOK), wxNotebook);
    ASSERT_NE(pages, nullptr);
    wxWindow* query = HelpController().GetFrame()->FindWindow(wxID_HTML_SEARCHTEXT);
    ASSERT_NE(query, nullptr);
    EXPECT_TRUE(pages->GetCurrentPage()->IsDescendant(query)) << "the search page is in front";
    UninitializeHelp();
    Flush();
}

// The About box's headings are no smaller than its text, and its link is exactly as large as its
// text: as wide (the hand and the click belong to the text) and as tall (underline and
// descenders whole).
TEST_F(FileCommandsTest, AboutBoxShowsTheVersionAndTheAddressAsALink) {
    CAboutDlg about(frame);
    about.Show();
    about.InitDialog();
    Flush();
    wxWindow* address = about.FindWindow(id::kAddressLink);
    ASSERT_NE(address, nullptr);
    EXPECT_TRUE(address->GetFont().GetUnderlined());
    EXPECT_EQ(address->GetForegroundColour(), wxColour(0, 0, 255));
    const auto textSize = [](wxWindow* window) { return window->GetTextExtent("Ag"); };
    for (int id : {id::kAboutName, id::kAboutCompany}) {
        wxWindow* heading = about.FindWindow(id);
        EXPECT_EQ(heading->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
        EXPECT_GE(textSize(heading).y, textSize(&about).y) << heading->GetLabel();
    }
    const wxSize text = address->GetTextExtent(address->GetLabel());
    EXPECT_LE(address->GetSize().x, text.x + 4);
    EXPECT_GE(address->GetSize().y, text.y);
    about.Hide();
    bool found = false;
    for (wxWindow* child : about.GetChildren())
        found |= child->GetLabel() == "Version 1.0, Build #102";
    EXPECT_TRUE(found);
}

// WCAG's contrast ratio, worked out here from its definition.
double WcagContrast(const wxColour& a, const wxColour& b) {
    const auto luminance = [](const wxColour& c) {
        const auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.Red()) + 0.7152 * linear(c.Green()) + 0.0722 * linear(c.Blue());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The link is the designed blue where that reads, the theme's link colour where only that does,
// and otherwise a colour made to read; never under 4.5:1 against its background.
TEST(LinkColour, TheLinkReadsAgainstLightAndDarkThemes) {
    const wxColour blue(0, 0, 255);
    const struct {
        wxColour theme, background, expected;  // expected: Null for "one made to read"
    } cases[] = {{wxColour(27, 106, 203), wxColour(246, 245, 244), blue},
                 {wxColour(138, 180, 248), wxColour(53, 53, 53), wxColour(138, 180, 248)},
                 {blue, wxColour(53, 53, 53), wxNullColour},
                 {wxColour(200, 200, 255), wxColour(255, 255, 255), wxNullColour}};
    for (const auto& c : cases) {
        const wxColour link = ReadableLinkColour(blue, c.theme, c.background);
        EXPECT_GE(WcagContrast(link, c.background), 4.5) << c.background.GetAsString();
        if (c.expected.IsOk()) {
            EXPECT_EQ(link, c.expected) << c.background.GetAsString();
        }
    }
}

}  // namespace
}  // namespace glintwick::test
