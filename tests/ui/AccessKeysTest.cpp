// Access keys and F1 in the main window and its dialogs, pressed as real keys.
#include <wx/html/helpctrl.h>
#include <wx/html/helpwnd.h>

#include <set>

#include "UiTestSupport.h"
#include "XProbe.h"
#include "resources/Templates.h"
#include "ui/HelpAccess.h"
#include "ui/OptionsDlg.h"
#include "ui/ScriptDoneDlg.h"
#include "ui/WxText.h"

namespace glintwick::test {
namespace {

class AccessKeysTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        frame->Raise();
        Pump(200);
    }
};

wxChar AccessKeyOf(const char* text) {
    wxString shown;
    const int at = wxControl::FindAccelIndex(ToWx(text), &shown);
    return at < 0 ? wxChar(0) : wxChar(wxToupper(shown[static_cast<size_t>(at)]));
}

// No letter leads to two places in one window; the main window's leave the menu bar's alone.
TEST(AccessKeys, NoLetterIsUsedTwiceInOneWindow) {
    std::set<wxChar> menuBar;
    for (const res::MenuItemTemplate& item : res::kMainMenu)
        if (item.id < 0) menuBar.insert(AccessKeyOf(item.text));
    for (const res::DialogTemplate* templ :
         {&res::kMainForm, &res::kEffectDialog, &res::kOptionsDialog, &res::kScriptDoneDialog}) {
        std::set<wxChar> used = templ == &res::kMainForm ? menuBar : std::set<wxChar>{};
        for (const res::ControlTemplate& control : templ->controls) {
            const wxChar key = AccessKeyOf(control.text);
            if (key) {
                EXPECT_TRUE(used.insert(key).second) << templ->id << ": " << control.text;
            }
        }
    }
}

// Alt with a button's underlined letter presses it.
TEST_F(AccessKeysTest, TheMainWindowsButtonsPressWithTheirAccessKeys) {
    const struct {
        char key;
        wxWindow* button;
    } cases[] = {
        {'A', view->AddNewButton()}, {'I', view->EditButton()},     {'D', view->DeleteButton()},
        {'U', view->MoveUpButton()}, {'W', view->MoveDownButton()}, {'R', view->ForeverRadio()},
        {'S', view->StartButton()},  {'P', view->PauseButton()},    {'O', view->StopButton()},
    };
    ClickAt(view->TimesRadio());  // so that Forever is a change
    for (const auto& c : cases) {
        int pressed = 0;
        const auto count = [&](wxCommandEvent&) { ++pressed; };  // not passed on to the view
        c.button->Bind(wxEVT_BUTTON, count);
        c.button->Bind(wxEVT_RADIOBUTTON, count);
        c.button->Enable();
        FocusForKeys(view->EffectsList());
        PressKey(wxTolower(c.key), wxMOD_ALT);
        Pump(300);  // a button pressed by its key shows pressed for a moment before it acts
        EXPECT_EQ(pressed, 1) << "Alt+" << c.key;
        c.button->Unbind(wxEVT_BUTTON, count);
        c.button->Unbind(wxEVT_RADIOBUTTON, count);
    }
}

// Alt with a label's underlined letter puts the focus on the box the label names.
TEST_F(AccessKeysTest, ALabelsAccessKeyFocusesItsBox) {
    CEffectDlg effect(frame);
    COptionsDlg options(frame);
    const struct {
        wxDialog* dialog;
        char key;
        wxWindow* box;
    } cases[] = {
        {&effect, 'E', effect.EffectList()},      {&effect, 'S', effect.SpeedSlider()},
        {&effect, 'R', effect.LoopsEdit()},       {&effect, 'T', effect.TextEdit()},
        {&options, 'F', options.FinalTextEdit()},
    };
    for (const auto& c : cases) {
        c.dialog->Show();
        FocusForKeys(c.dialog->FindWindow(wxID_OK));
        PressKey(wxTolower(c.key), wxMOD_ALT);
        EXPECT_EQ(wxWindow::FindFocus(), c.box) << c.dialog->GetTitle() << " Alt+" << c.key;
        c.dialog->Hide();
    }
}

// F1 in a dialog opens the help page its More Info button opens.
TEST_F(AccessKeysTest, F1OpensTheDialogsMoreInfoTopic) {
    SetHelpBookPath(GLINTWICK_HELP_BOOK);
    CEffectDlg effect(frame);
    COptionsDlg options(frame);
    CScriptDoneDlg done(frame);
    const struct {
        wxDialog* dialog;
        wxWindow* focus;
        const char* page;
    } cases[] = {
        {&effect, effect.TextEdit(), "effect_dialog"},
        {&options, options.FinalTextEdit(), "options"},
        {&done, done.FindWindow(wxID_OK), "generate"},
    };
    for (const auto& c : cases) {
        ShowHelpContents();  // another page first
        c.dialog->Show();
        FocusForKeys(c.focus);
        PressKey(WXK_F1);
        wxHtmlHelpWindow* help = HelpController().GetHelpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->GetHtmlWindow()->GetOpenedPage().Contains(c.page))
            << c.dialog->GetTitle() << " opened " << help->GetHtmlWindow()->GetOpenedPage();
        c.dialog->Hide();
    }
    UninitializeHelp();
}

}  // namespace
}  // namespace glintwick::test
