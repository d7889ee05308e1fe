// The main view through its real handlers: list editing, button rules, repeat group, preview.
#include <fstream>
#include <iostream>
#include <string>

#include "UiTestSupport.h"
#include "resources/Ids.h"
#include "ui/HyperLink.h"
#include "ui/SunkenText.h"
#include "ui/UpDownCtrl.h"
#include "ui/WebBrowser.h"
#include "ui/WxText.h"

namespace glintwick::test {
namespace {

using ViewTest = FrameTest;

std::vector<bool> RowButtons(CTallowmereView* view) {
    return {view->EditButton()->IsEnabled(), view->DeleteButton()->IsEnabled(),
            view->MoveUpButton()->IsEnabled(), view->MoveDownButton()->IsEnabled()};
}

TEST_F(ViewTest, NewProjectShowsAnEmptyListForeverAndDisabledRowButtons) {
    EXPECT_EQ(frame->GetTitle(), "Untitled - Glintwick by Orvane");
    EXPECT_EQ(RowCount(view), 0);
    EXPECT_EQ(view->EffectsList()->GetColumnCount(), 4u);
    EXPECT_TRUE(view->ForeverRadio()->GetValue());
    EXPECT_FALSE(view->CountEdit()->IsEnabled());
    EXPECT_FALSE(view->CountArrows()->IsEnabled());
    EXPECT_EQ(view->CountEdit()->GetValue(), "1");
    EXPECT_EQ(RowButtons(view), (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(view->StartButton()->IsEnabled());
    EXPECT_FALSE(view->PauseButton()->IsEnabled());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ViewTest, ColumnsTakeTheirShareOfTheListWidthOnceAndRowsShowTheRecords) {
    const int width = view->EffectsList()->GetSize().x;
    EXPECT_EQ(ColumnWidth(view, 0), static_cast<int>(width * 0.4));
    EXPECT_EQ(ColumnWidth(view, 1), static_cast<int>(width * 0.3));
    EXPECT_EQ(ColumnWidth(view, 2), static_cast<int>(width * 0.14));
    // The native list hands the last column whatever width the others leave.
    EXPECT_GE(ColumnWidth(view, 3), static_cast<int>(width * 0.14));
    AddEffects({{"caf\xE9", 10, 10, 1}});
    EXPECT_EQ(Cell(view, 0, 0), wxString::FromUTF8("café"));
    EXPECT_EQ(Cell(view, 0, 1), "Shooting Words");
    EXPECT_EQ(Cell(view, 0, 2), "10");
    EXPECT_EQ(Cell(view, 0, 3), "1");
    frame->SetSize(frame->GetSize() + wxSize(200, 100));
    Flush();
    EXPECT_EQ(ColumnWidth(view, 0), static_cast<int>(width * 0.4));
}

TEST_F(ViewTest, SelectingRowsEnablesExactlyTheMovesThatCanHappen) {
    AddEffects({{"P", 0, 10, 1}, {"Q", 0, 10, 1}, {"R", 0, 10, 1}});
    SelectRow(0);
    EXPECT_EQ(RowButtons(view), (std::vector<bool>{true, true, false, true}));
    SelectRow(1);
    EXPECT_EQ(RowButtons(view), (std::vector<bool>{true, true, true, true}));
    SelectRow(2);
    EXPECT_EQ(RowButtons(view), (std::vector<bool>{true, true, true, false}));
    // The user takes the selection away (Ctrl+click on the row): the list reports the change.
    view->EffectsList()->UnselectAll();
    wxDataViewEvent changed(wxEVT_DATAVIEW_SELECTION_CHANGED, view->EffectsList(),
                            wxDataViewItem());
    view->EffectsList()->ProcessWindowEvent(changed);
    EXPECT_EQ(RowButtons(view), (std::vector<bool>{false, false, false, false}));
}

TEST_F(ViewTest, OneEffectEnablesEditAndDeleteOnly) {
    AddEffects({{"only", 0, 10, 1}});
    SelectRow(0);
    EXPECT_EQ(RowButtons(view), (std::vector<bool>{true, true, false, false}));
}

TEST_F(ViewTest, MoveDownKeepsTheMovedEffectSelectedAtItsNewPlace) {
    AddEffects({{"P", 0, 10, 1}, {"Q", 0, 10, 1}, {"R", 0, 10, 1}});
    SelectRow(0);
    auto click = Click();
    view->OnMoveDown(click);
    EXPECT_EQ(doc.GetAt(1)->GetText(), "P");
    EXPECT_EQ(view->FirstSelectedRow(), 1);
    EXPECT_EQ(RowButtons(view), (std::vector<bool>{true, true, true, true}));
    view->OnMoveUp(click);
    view->OnMoveUp(click);
    EXPECT_EQ(doc.GetAt(0)->GetText(), "P");
    EXPECT_EQ(view->FirstSelectedRow(), 0);
    EXPECT_EQ(RowButtons(view), (std::vector<bool>{true, true, false, true}));
}

TEST_F(ViewTest, AddNewAppendsTheDialogsValuesAndCancelChangesNothing) {
    auto click = Click();
    wxTEST_DIALOG(view->OnAddNew(click), ExpectEffectDialog([](CEffectDlg& dialog) {
                      return PressOk(dialog, [](CEffectDlg& d) {
                          d.TextEdit()->SetValue("Hello there");
                          d.EffectList()->SetSelection(9);
                          d.SpeedSlider()->SetValue(17);
                          d.LoopsEdit()->SetValue("3");
                      });
                  }));
    ASSERT_EQ(doc.GetCount(), 1);
    EXPECT_EQ(doc.GetAt(0)->GetText(), "Hello there");
    EXPECT_EQ(doc.GetAt(0)->GetEffect(), 9);
    EXPECT_EQ(doc.GetAt(0)->GetSpeed(), 17);
    EXPECT_EQ(doc.GetAt(0)->GetLoops(), 3);
    EXPECT_EQ(RowCount(view), 1);
    EXPECT_EQ(view->FirstSelectedRow(), -1);
    EXPECT_TRUE(doc.IsModified());

    wxTEST_DIALOG(view->OnAddNew(click),
                  ExpectEffectDialog([](CEffectDlg&) { return wxID_CANCEL; }));
    EXPECT_EQ(doc.GetCount(), 1);
}

TEST_F(ViewTest, NewEffectDialogStartsFromTheRecordDefaults) {
    auto click = Click();
    wxTEST_DIALOG(view->OnAddNew(click), ExpectEffectDialog([](CEffectDlg& dialog) {
                      dialog.InitDialog();
                      EXPECT_EQ(dialog.TextEdit()->GetValue(), "Enter your Status Bar text here");
                      EXPECT_EQ(dialog.EffectList()->GetStringSelection(),
                                "Typewriter - letter by letter");
                      EXPECT_EQ(dialog.SpeedSlider()->GetValue(), 10);
                      EXPECT_EQ(dialog.LoopsEdit()->GetValue(), "1");
                      return wxID_CANCEL;
                  }));
}

TEST_F(ViewTest, EditUpdatesTheSelectedRecordAndStopsThePreview) {
    AddEffects({{"first", 0, 10, 1}, {"second", 4, 12, 2}});
    auto click = Click();
    view->OnStart(click);
    SelectRow(1);
    wxTEST_DIALOG(view->OnEdit(click), ExpectEffectDialog([](CEffectDlg& dialog) {
                      return PressOk(dialog, [](CEffectDlg& d) {
                          EXPECT_EQ(d.TextEdit()->GetValue(), "second");
                          d.TextEdit()->SetValue("changed");
                      });
                  }));
    EXPECT_EQ(doc.GetAt(1)->GetText(), "changed");
    EXPECT_EQ(doc.GetAt(1)->GetEffect(), 4);
    EXPECT_EQ(Cell(view, 1, 0), "changed");
    EXPECT_FALSE(view->IsPlaying());
    // The edited row, the last, stays selected: all but Move Down work on it at once.
    EXPECT_EQ(RowButtons(view), (std::vector<bool>{true, true, true, false}));
}

TEST_F(ViewTest, EditWithoutASelectionAsksToChooseOne) {
    auto click = Click();
    wxTEST_DIALOG(view->OnEdit(click),
                  ExpectMessage("Please choose an effect from the list on the left", wxID_OK));
}

TEST_F(ViewTest, DeleteAsksAndOnlyYesDeletes) {
    AddEffects({{"P", 0, 10, 1}, {"Q", 0, 10, 1}});
    SelectRow(0);
    auto click = Click();
    const wxString question = "Are you sure that you want to delete the selected effect?";
    wxTEST_DIALOG(view->OnDelete(click), ExpectMessage(question, wxID_NO));
    EXPECT_EQ(doc.GetCount(), 2);
    wxTEST_DIALOG(view->OnDelete(click), ExpectMessage(question, wxID_YES));
    ASSERT_EQ(doc.GetCount(), 1);
    EXPECT_EQ(doc.GetAt(0)->GetText(), "Q");
    EXPECT_EQ(RowCount(view), 1);
}

TEST_F(ViewTest, RepeatCountIsClampedOnLeavingButTheBoxKeepsItsText) {
    auto click = Click();
    view->TimesRadio()->SetValue(true);
    view->OnRepeatTimes(click);
    EXPECT_TRUE(view->CountEdit()->IsEnabled());
    EXPECT_EQ(doc.GetRepeat(), 1);
    view->CountEdit()->ChangeValue("250");
    wxFocusEvent leave(wxEVT_KILL_FOCUS);
    view->OnKillFocusRepeatCount(leave);
    EXPECT_EQ(doc.GetRepeat(), 100);
    EXPECT_EQ(view->CountEdit()->GetValue(), "250");
    view->CountEdit()->ChangeValue("abc");
    view->OnKillFocusRepeatCount(leave);
    EXPECT_EQ(doc.GetRepeat(), 1);
    view->CountEdit()->ChangeValue("0");
    view->OnKillFocusRepeatCount(leave);
    EXPECT_EQ(doc.GetRepeat(), 1);
    view->OnRepeatTimes(click);
    EXPECT_EQ(doc.GetRepeat(), 0) << "the radio stores the text unchecked";
    view->OnUpdate();
    EXPECT_TRUE(view->ForeverRadio()->GetValue());

    view->ForeverRadio()->SetValue(true);
    view->OnRepeatForever(click);
    view->CountEdit()->ChangeValue("7");
    view->OnKillFocusRepeatCount(leave);
    EXPECT_EQ(doc.GetRepeat(), 0) << "nothing is stored while Forever is chosen";
    EXPECT_FALSE(view->CountEdit()->IsEnabled());
}

TEST_F(ViewTest, ArrowsStepTheCountWithinOneToHundred) {
    view->TimesRadio()->SetValue(true);
    auto click = Click();
    view->OnRepeatTimes(click);
    view->CountEdit()->ChangeValue("99");
    view->CountArrows()->Step(+1);
    view->CountArrows()->Step(+1);
    EXPECT_EQ(view->CountEdit()->GetValue(), "100");
    EXPECT_EQ(doc.GetRepeat(), 100) << "each step reaches the project";
    view->CountEdit()->ChangeValue("1");
    view->CountArrows()->Step(-1);
    EXPECT_EQ(view->CountEdit()->GetValue(), "1");
}

TEST_F(ViewTest, PreviewPlaysPausesResumesAtTenMillisecondsAndStops) {
    AddEffects({{"abc", 0, 20, 1}});
    doc.SetRepeat(1);
    auto click = Click();
    view->OnStart(click);
    EXPECT_TRUE(view->IsPlaying());
    EXPECT_EQ(view->GetTimerInterval(), 10);
    EXPECT_FALSE(view->StartButton()->IsEnabled());
    view->TickPreview();
    view->TickPreview();
    EXPECT_EQ(view->Display()->GetLabel(), "a");
    view->OnPause(click);
    EXPECT_FALSE(view->IsPlaying());
    EXPECT_EQ(view->Display()->GetLabel(), "a") << "the frame stays while paused";
    view->OnPause(click);
    EXPECT_TRUE(view->IsPlaying());
    EXPECT_EQ(view->GetTimerInterval(), 10);
    view->TickPreview();
    EXPECT_EQ(view->Display()->GetLabel(), "ab");
    for (int i = 0; i < 4; ++i) view->TickPreview();
    EXPECT_FALSE(view->IsPlaying()) << "the player stopped itself after one pass";
    EXPECT_EQ(view->Display()->GetLabel(), "");
    EXPECT_TRUE(view->StartButton()->IsEnabled());
    EXPECT_FALSE(view->StopButton()->IsEnabled());
}

// The resident size of this process now, in KiB.
long ResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

// A word-based effect on a text of 16 MB of spaces: opening shows a line's worth of it, and
// playing splits it into four bytes a word, nothing like copies of every word.
TEST_F(ViewTest, AHugeTextOpensAndPlaysInASmallMultipleOfItsSize) {
    constexpr long textKb = 16 * 1024;
    const long before = ResidentKb();
    AddEffects({{std::string(textKb * 1024, ' '), 1, 20, 1}});
    EXPECT_EQ(Cell(view, 0, 0).length(), kShownCharacters);
    auto click = Click();
    view->OnStart(click);
    for (int i = 0; i < 100; ++i) view->TickPreview();
    Flush();
    const long grown = ResidentKb() - before;
    EXPECT_LT(grown, 8 * textKb) << "KiB grown for a " << textKb << " KiB text";
    std::cout << "  opening and 100 ticks of a 16 MB text: " << grown << " KiB more\n";
    view->OnStop();
}

TEST_F(ViewTest, EveryDocumentChangeRefreshesTheListAndStopsThePreview) {
    AddEffects({{"a", 0, 10, 1}});
    auto click = Click();
    view->OnStart(click);
    doc.AddEffect(std::make_unique<CEffect>());
    EXPECT_FALSE(view->IsPlaying());
    EXPECT_EQ(RowCount(view), 2);
    doc.DeleteEffect(0);
    EXPECT_EQ(RowCount(view), 1);
    doc.InitNewProject();
    doc.NotifyViews();
    EXPECT_EQ(RowCount(view), 0);
}

TEST_F(ViewTest, StatusBarShowsHowLongTheSequencePlays) {
    AddEffects({{"abc", 0, 20, 2}});
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(), "One pass: 0.10 s, repeated without end");
    view->TimesRadio()->SetValue(true);
    view->CountEdit()->ChangeValue("3");
    auto click = Click();
    view->OnRepeatTimes(click);
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(), "One pass: 0.10 s, all passes: 0.30 s");
    doc.UpdateEffect(doc.GetAt(0), "abc", 0, 20, -1);
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(), "The sequence plays without end");
}

TEST_F(ViewTest, LogoIsALinkToTheMakersPageWithTheHandCursor) {
    wxString opened;
    auto saved = BrowserLauncher();
    BrowserLauncher() = [&](const wxString& url, const BrowserFailure&) {
        opened = url;
        return true;
    };
    for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
        wxMouseEvent event(type);
        event.SetEventObject(view->LogoLink());
        view->LogoLink()->GetEventHandler()->ProcessEvent(event);
    }
    BrowserLauncher() = saved;
    EXPECT_TRUE(opened.Contains("source=gwik"));
    EXPECT_TRUE(view->LogoLink()->GetCursor().IsOk());
    EXPECT_EQ(view->LogoLink()->GetSize(), wxSize(77, 77));
}

// The window's minimum holds the whole form (the designed 475 x 380 is smaller than the form on
// these fonts), and a new project shrinks a larger window back to the form.
TEST_F(ViewTest, FrameHoldsTheWholeFormAndShrinksBackToItOnNewProject) {
    const wxSize form = view->GetFormSize();
    EXPECT_GE(frame->GetMinSize().x, 475);
    EXPECT_GE(frame->GetMinSize().y, 380);
    frame->SetSize(300, 200);
    Flush();
    EXPECT_GE(view->GetSize().x, form.x);
    EXPECT_GE(view->GetSize().y, form.y);
    frame->SetClientSize(form + wxSize(300, 200));
    Flush();
    doc.InitNewProject();
    view->OnInitialUpdate();
    Flush();
    EXPECT_LE(view->GetSize().x, form.x + 2);
    EXPECT_LE(view->GetSize().y, form.y + 2);
}

TEST_F(ViewTest, ControlsFollowTheirRulesWhenTheWindowGrows) {
    Flush();
    const wxRect list = view->EffectsList()->GetRect();
    const wxRect add = view->AddNewButton()->GetRect();
    const wxRect start = view->StartButton()->GetRect();
    const wxRect logo = view->LogoLink()->GetRect();
    frame->SetClientSize(frame->GetClientSize() + wxSize(120, 80));
    Flush();
    EXPECT_EQ(view->EffectsList()->GetRect(),
              wxRect(list.x, list.y, list.width + 120, list.height + 80));
    EXPECT_EQ(view->AddNewButton()->GetRect(), wxRect(add.x + 120, add.y, add.width, add.height));
    EXPECT_EQ(view->StartButton()->GetRect(),
              wxRect(start.x, start.y + 80, start.width, start.height));
    EXPECT_EQ(view->LogoLink()->GetRect(),
              wxRect(logo.x + 120, logo.y + 80, logo.width, logo.height));
}

}  // namespace
}  // namespace glintwick::test
