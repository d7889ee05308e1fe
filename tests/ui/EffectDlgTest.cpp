// The Effect dialog: validation messages, the live preview's timeline and code-page input.
#include "UiTestSupport.h"

#include <wx/app.h>
#include <wx/statbox.h>

#include "ui/SunkenText.h"
#include "ui/UpDownCtrl.h"

namespace glintwick::test {
namespace {

class EffectDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog = new CEffectDlg(nullptr);
        dialog->InitDialog();
    }
    void TearDown() override { delete dialog; }

    // Presses OK with `loops` typed, answering the message expected (or none).
    bool OkWithLoops(const wxString& loops, const wxString& message) {
        dialog->LoopsEdit()->SetValue(loops);
        bool accepted = false;
        if (message.empty()) {
            accepted = dialog->TransferDataFromWindow();
        } else {
            wxTEST_DIALOG(accepted = dialog->TransferDataFromWindow(),
                          ExpectMessage(message, wxID_OK));
        }
        return accepted;
    }

    std::vector<wxString> Ticks(int count) {
        std::vector<wxString> shown;
        for (int i = 0; i < count; ++i) {
            dialog->TickPreview();
            shown.push_back(dialog->PreviewText()->GetLabel());
        }
        return shown;
    }

    CEffectDlg* dialog = nullptr;
};

TEST_F(EffectDlgTest, LoopCountOutsideOneToTenIsRefusedWithTheRange) {
    const wxString between = "Please enter an integer between 1 and 10.";
    for (const char* loops : {"0", "11", "50"}) {
        EXPECT_FALSE(OkWithLoops(loops, between)) << loops;
        EXPECT_EQ(dialog->LoopsEdit()->GetStringSelection(), loops) << "the text is selected";
    }
}

TEST_F(EffectDlgTest, LoopCountThatIsNoIntegerIsRefused) {
    for (const char* loops : {"abc", "", "-0"})
        EXPECT_FALSE(OkWithLoops(loops, "Please enter an integer.")) << loops;
    EXPECT_TRUE(OkWithLoops(" 7 ", ""));
    EXPECT_EQ(dialog->m_nLoops, 7);
}

TEST_F(EffectDlgTest, AFailedLoopCountKeepsTheValuesReadBeforeIt) {
    dialog->TextEdit()->SetValue("new text");
    dialog->EffectList()->SetSelection(4);
    EXPECT_FALSE(OkWithLoops("x", "Please enter an integer."));
    EXPECT_EQ(dialog->m_strText, "new text");
    EXPECT_EQ(dialog->m_nEffect, 4);
    EXPECT_EQ(dialog->m_nLoops, 1);
}

TEST_F(EffectDlgTest, PreviewOfAbAtSpeed20ShowsAFrameEverySecondTick) {
    dialog->TextEdit()->SetValue("ab");
    dialog->SpeedSlider()->SetValue(20);
    const auto shown = Ticks(9);
    EXPECT_EQ(shown, (std::vector<wxString>{"a", "a", "ab", "ab", "ab", "ab", "a", "a", "ab"}));
}

TEST_F(EffectDlgTest, WarnsWhileTheChoiceWouldFlashMoreThanThreeTimesASecondInAPage) {
    const struct {
        const char* text;
        int effect, speed, flashes;  // 0: no warning
    } cases[] = {{"Sale", 4, 15, 0}, {"Sale", 4, 16, 4}, {"Sale", 4, 20, 17},
                 {"Sale", 0, 10, 0}, {"ab", 0, 20, 32},  {"abc", 0, 20, 24}};
    for (const auto& c : cases) {
        dialog->TextEdit()->SetValue(c.text);
        dialog->EffectList()->SetSelection(c.effect);
        dialog->SpeedSlider()->SetValue(c.speed);
        const auto shown = Ticks(40);
        // What shows, as one line: the warning, or nothing.
        wxString shownWarning =
            dialog->FlashWarning()->IsShown() ? dialog->FlashWarning()->GetLabel() : wxString();
        shownWarning.Replace("\n", " ");
        const char* warning =
            "Warning: flashes %d times a second in a page, which can trigger seizures.";
        EXPECT_EQ(shownWarning, c.flashes ? wxString::Format(warning, c.flashes) : wxString())
            << c.text << " " << c.effect << " " << c.speed;
        EXPECT_NE(shown.front(), shown.back()) << "the preview plays on";
    }
    // An effect opened for editing warns from the start.
    auto* existing = new CEffectDlg(nullptr, CEffect("Sale", 4, 20, 1));
    existing->InitDialog();
    EXPECT_TRUE(existing->FlashWarning()->IsShown());
    delete existing;
    // Shown, the warning fits its room and covers no other control.
    dialog->Show();
    wxYield();
    const wxRect room = dialog->FlashWarning()->GetRect();
    EXPECT_TRUE(wxRect(dialog->GetClientSize()).Contains(room));
    EXPECT_LE(dialog->FlashWarning()->GetBestSize().y, room.height) << "no line is cut off";
    for (wxWindow* other : dialog->GetChildren()) {
        if (other != dialog->FlashWarning() && !other->IsKindOf(wxCLASSINFO(wxStaticBox))) {
            EXPECT_FALSE(other->GetRect().Intersects(room)) << other->GetLabel();
        }
    }
}

TEST_F(EffectDlgTest, ChangingTheTextRestartsAtTheNextFrameKeepingTheOldFrameMeanwhile) {
    dialog->SpeedSlider()->SetValue(19);  // a frame every third tick
    Ticks(4);
    EXPECT_EQ(dialog->PreviewText()->GetLabel(), "En");
    dialog->TextEdit()->SetValue("xyz");
    const auto shown = Ticks(3);
    EXPECT_EQ(shown, (std::vector<wxString>{"En", "En", "x"}));
    EXPECT_EQ(dialog->m_strText, "xyz");
}

TEST_F(EffectDlgTest, InvalidLoopsWhileTypingShowsTheMessageOnceAndStillTakesTheText) {
    dialog->LoopsEdit()->SetValue("50");
    dialog->TextEdit()->SetValue("typed");
    // The message follows the tick that found the change.
    wxTEST_DIALOG(
        {
            dialog->TickPreview();
            wxTheApp->ProcessPendingEvents();
        },
        ExpectMessage("Please enter an integer between 1 and 10.", wxID_OK));
    dialog->TickPreview();  // no second message: the values were taken over
    EXPECT_EQ(dialog->m_strText, "typed");
    EXPECT_EQ(dialog->Ticker().Text(), "typed");
}

TEST_F(EffectDlgTest, TextRefusesCharactersOutsideTheCodePage) {
    wxTextCtrl* edit = dialog->TextEdit();
    edit->SetValue("ok");
    wxKeyEvent key(wxEVT_CHAR);
    key.m_uniChar = 0x4E2D;
    key.SetEventObject(edit);
    edit->GetEventHandler()->ProcessEvent(key);
    EXPECT_EQ(edit->GetValue(), "ok");
    edit->SetValue(wxString::FromUTF8("ok \xE4\xB8\xAD"));  // as a paste would bring it
    EXPECT_EQ(edit->GetValue(), "ok");
    edit->SetValue(wxString::FromUTF8("caf\xC3\xA9 \xE2\x82\xAC"));
    EXPECT_EQ(edit->GetValue(), wxString::FromUTF8("café €"));
}

// The symbol for NUL stands only for the NULs a file brought: typed or pasted it is refused like
// any character outside the code page, and a refused paste goes back to the file's text.
TEST_F(EffectDlgTest, TheSymbolForNulIsNoCharacterToTypeOrPaste) {
    auto* existing = new CEffectDlg(nullptr, CEffect(std::string("a\0b", 3), 0, 10, 1));
    existing->InitDialog();
    wxTextCtrl* edit = existing->TextEdit();
    const wxString symbol(wxUniChar(0x2400));
    const wxString fromFile = "a" + symbol + "b";
    ASSERT_EQ(edit->GetValue(), fromFile);
    edit->SetValue(fromFile + wxString::FromUTF8("\xE4\xB8\xAD"));  // as a paste would bring it
    EXPECT_EQ(edit->GetValue(), fromFile);
    edit->SetValue(fromFile + symbol);
    EXPECT_EQ(edit->GetValue(), fromFile);
    wxKeyEvent key(wxEVT_CHAR);
    key.m_uniChar = 0x2400;
    key.SetEventObject(edit);
    EXPECT_TRUE(edit->GetEventHandler()->ProcessEvent(key)) << "the typed symbol goes no further";
    ASSERT_TRUE(existing->TransferDataFromWindow());
    EXPECT_EQ(existing->m_strText, std::string("a\0b", 3));
    delete existing;
}

TEST_F(EffectDlgTest, MoreThan500CharactersFromAFileAreReportedOnOk) {
    CEffect effect(std::string(600, 'x'), 0, 10, 1);
    auto* existing = new CEffectDlg(nullptr, effect);
    existing->InitDialog();
    EXPECT_EQ(existing->TextEdit()->GetValue().length(), 600u) << "the text stays in full";
    bool accepted = true;
    wxTEST_DIALOG(accepted = existing->TransferDataFromWindow(),
                  ExpectMessage("Please enter no more than 500 characters.", wxID_OK));
    EXPECT_FALSE(accepted);
    delete existing;
}

TEST_F(EffectDlgTest, ASpeedOutsideTheSliderIsTakenFromTheSliderOnTheFirstTick) {
    CEffect effect("abc", 0, 35, 1);
    auto* existing = new CEffectDlg(nullptr, effect);
    existing->InitDialog();
    existing->TickPreview();
    EXPECT_EQ(existing->m_nSpeed, 20);
    delete existing;
}

}  // namespace
}  // namespace glintwick::test
