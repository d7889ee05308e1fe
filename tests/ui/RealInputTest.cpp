// The windows under real pointer and keyboard input (XTest), checked by what X reports.
#include <wx/app.h>
#include <wx/filename.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/uiaction.h>

#include <set>

#include "UiTestSupport.h"
#include "XProbe.h"
#include "model/ProjectFile.h"
#include "resources/Ids.h"
#include "script/OptionsDlg.h"
#include "script/ScriptDoneDlg.h"
#include "shell/AboutDlg.h"
#include "shell/HyperLink.h"
#include "shell/SunkenText.h"
#include "shell/WebBrowser.h"

namespace glintwick::test {
namespace {

// Stands in for message boxes while letting every other dialog show: runs `whileShown` with
// the box "open" (inside its modal call, as a real box's own loop would be) and answers OK.
class MessageBoxHook : public wxModalDialogHook {
public:
    explicit MessageBoxHook(std::function<void()> whileShown) : m_whileShown(std::move(whileShown)) {
        Register();
    }
    ~MessageBoxHook() override { Unregister(); }
    int m_nShown = 0;

protected:
    int Enter(wxDialog* dialog) override {
        if (!wxDynamicCast(dialog, wxMessageDialog)) return wxID_NONE;
        ++m_nShown;
        m_whileShown();
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}

private:
    std::function<void()> m_whileShown;
};

class RealInputTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        saved = BrowserLauncher();
        BrowserLauncher() = [this](const wxString& url) {
            opened.push_back(url);
            return true;
        };
        frame->Raise();
        Pump(200);
    }
    void TearDown() override {
        BrowserLauncher() = saved;
        FrameTest::TearDown();
    }
    std::function<bool(const wxString&)> saved;
    std::vector<wxString> opened;
};

// The hand shows over the two links and nowhere else, in the main window and the About box.
TEST_F(RealInputTest, HandCursorShowsOverTheLinksOnly) {
    for (wxWindow* plain : std::initializer_list<wxWindow*>{
             view->m_lstEffects, view->m_btnAddNew, view->m_rdoForever, view->m_edtRepeatCount,
             view->m_btnStart, view}) {
        MoveTo(plain, plain == view ? wxPoint(2, 2) : wxPoint(-1, -1));
        EXPECT_FALSE(CursorUnderPointer().IsHand()) << plain->GetClassInfo()->GetClassName();
    }
    MoveTo(view->m_picLogo);
    EXPECT_TRUE(CursorUnderPointer().IsHand()) << "over the logo";

    CAboutDlg about(frame);
    about.Show();
    Pump(300);
    for (wxWindow* plain : {about.FindWindow(wxID_OK), about.FindWindow(id::kAboutName),
                            static_cast<wxWindow*>(&about)}) {
        MoveTo(plain, plain == &about ? wxPoint(3, 3) : wxPoint(-1, -1));
        EXPECT_FALSE(CursorUnderPointer().IsHand()) << plain->GetLabel();
    }
    MoveTo(about.FindWindow(id::kAddressLink));
    EXPECT_TRUE(CursorUnderPointer().IsHand()) << "over the address";
    about.Hide();
}

// One press and release on a link opens the page once; nothing else does.
TEST_F(RealInputTest, ALinkOpensThePageOncePerClick) {
    CAboutDlg about(frame);
    about.Show();
    Pump(300);
    ClickAt(about.FindWindow(id::kAddressLink));
    EXPECT_EQ(opened.size(), 1u) << "a click on the address";
    DoubleClickAt(view->m_picLogo);
    EXPECT_EQ(opened.size(), 2u) << "a double click on the logo opens once";
    MoveTo(view->m_btnStart);
    wxUIActionSimulator().MouseDown();
    MoveTo(view->m_picLogo);
    wxUIActionSimulator().MouseUp();
    Pump(150);
    EXPECT_EQ(opened.size(), 2u) << "a press that began elsewhere";
    for (const wxString& url : opened) EXPECT_TRUE(url.Contains("source=gwik")) << url;
    about.Hide();
}

// Typing while the loop count is invalid shows the message, and the preview animates under it.
TEST_F(RealInputTest, EffectDialogPreviewGoesOnUnderItsValidationMessage) {
    CEffectDlg dialog(frame);
    dialog.Show();
    Pump(200);
    dialog.LoopsEdit()->ChangeValue("x");
    std::set<wxString> framesUnderMessage;
    MessageBoxHook hook([&] {
        for (int i = 0; i < 80; ++i) {
            Pump(5);
            framesUnderMessage.insert(dialog.PreviewText()->GetLabel());
        }
    });
    FocusForKeys(dialog.TextEdit());
    TypeText("z");
    Pump(200);
    EXPECT_EQ(hook.m_nShown, 1) << "one message for the invalid count";
    EXPECT_GE(framesUnderMessage.size(), 2u) << "the preview went on under the message";
    dialog.Hide();
}

// Every dialog asks for a dialog's title bar: close only, no minimise or maximise.
TEST_F(RealInputTest, DialogsHaveACloseBoxOnly) {
    constexpr unsigned long kMinimise = 0x08, kMaximise = 0x10, kClose = 0x20;  // Motif functions
    constexpr unsigned long kMinimiseBox = 0x20, kMaximiseBox = 0x40;          // decorations
    CEffectDlg effect(frame);
    COptionsDlg options(frame);
    CScriptDoneDlg done(frame);
    CAboutDlg about(frame);
    for (wxDialog* dialog : std::initializer_list<wxDialog*>{&effect, &options, &done, &about}) {
        dialog->Show();
        Pump(100);
        const auto hints = MotifHintsOf(dialog);
        ASSERT_TRUE(hints) << dialog->GetTitle();
        EXPECT_EQ(hints->functions & (kMinimise | kMaximise | kClose), kClose) << dialog->GetTitle();
        EXPECT_EQ(hints->decorations & (kMinimiseBox | kMaximiseBox), 0u) << dialog->GetTitle();
        EXPECT_EQ(WindowTypeOf(dialog), "_NET_WM_WINDOW_TYPE_DIALOG") << dialog->GetTitle();
        dialog->Hide();
    }
}

// The caption spells a file's name as the file system does, under any locale; a name that is
// not UTF-8 still opens and shows in a readable form.
TEST_F(RealInputTest, TheProgramsCaptionSpellsTheFileNameItOpened) {
    const std::string folder = wxFileName::CreateTempFileName("gwk-names").utf8_string();
    wxRemoveFile(folder);
    wxFileName::Mkdir(folder);
    const struct {
        const char* name;
        const char* locale;
        const char* caption;
    } cases[] = {
        {"Caf\xC3\xA9 menu.gwk", "C.UTF-8", "Caf\xC3\xA9 menu.gwk - Glintwick by Orvane"},
        {"caf\xC3\xA9.gwk", "C", "caf\xC3\xA9.gwk - Glintwick by Orvane"},
        {"caf\xE9.gwk", "C.UTF-8", "caf\xEF\xBF\xBD.gwk - Glintwick by Orvane"},
    };
    for (const auto& c : cases) {
        const std::string path = folder + "/" + c.name;
        SaveProject(doc, path);
        ChildProgram program({GLINTWICK_PROGRAM, path},
                             {std::string("LANG=") + c.locale, std::string("LC_ALL=") + c.locale});
        const std::string caption = program.WaitForWindow(
            [](const std::string& title) { return title.find(" - Glintwick by Orvane") != std::string::npos; },
            20000);
        EXPECT_EQ(caption, c.caption) << c.locale << " " << program.Stderr();
        program.CloseWindow(caption);
        EXPECT_EQ(program.Wait(10000), 0);
    }
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}

// Two project names are a mistake a desktop user must see: the usage shows in a box too.
TEST_F(RealInputTest, TwoProjectNamesShowTheUsageInAMessageBox) {
    ChildProgram program({GLINTWICK_PROGRAM, "one.gwk", "two.gwk"}, {});
    const std::string box =
        program.WaitForWindow([](const std::string& title) { return title == "Glintwick"; }, 20000);
    EXPECT_EQ(box, "Glintwick");
    program.CloseWindow(box);
    EXPECT_EQ(program.Wait(10000), 255) << "the exit status stays";
    EXPECT_NE(program.Stderr().find("Usage"), std::string::npos) << program.Stderr();
}

}  // namespace
}  // namespace glintwick::test
