// The effects list under real keys and clicks: where the keyboard is after each command.
#include <wx/dataview.h>
#include <wx/filename.h>

#include <functional>

#include "UiTestSupport.h"
#include "XProbe.h"
#include "model/ProjectFile.h"

namespace glintwick::test {
namespace {

class ListInputTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        frame->Raise();
        Pump(200);
    }
    wxPoint RowPoint(long row) {
        const wxRect rect = view->EffectsList()->GetItemRect(view->EffectsModel()->GetItem(row));
        return rect.GetPosition() + wxPoint(20, rect.height / 2);
    }
    std::string Texts() {
        std::string texts;
        for (int i = 0; i < doc.GetCount(); ++i) texts += doc.GetAt(i)->GetText();
        return texts;
    }
};

// Each command leaves the keyboard in the list on a selected row, so that Edit and Delete work
// at once; the list's own keys do what the buttons do, one undo step each.
TEST_F(ListInputTest, CommandsLeaveTheFocusOnASelectedRowOfTheList) {
    const wxString question = "Are you sure that you want to delete the selected effect?";
    const auto edit = [] {
        return ExpectEffectDialog([](CEffectDlg& dialog) {
            dialog.m_strText = "B";
            return wxID_OK;
        });
    };
    const struct {
        const char* name;
        long clicked;
        std::function<void()> act;
        const char* texts;  // the rows' texts afterwards
        long selected;
        int undoSteps;
    } cases[] = {
        {"Edit then OK", 1, [&] { wxTEST_DIALOG(ClickAt(view->EditButton()), edit()); }, "aBcd", 1,
         1},
        {"Delete then Yes", 1,
         [&] { wxTEST_DIALOG(ClickAt(view->DeleteButton()), ExpectMessage(question, wxID_YES)); },
         "acd", 1, 1},
        {"Delete of the last row", 3,
         [&] { wxTEST_DIALOG(ClickAt(view->DeleteButton()), ExpectMessage(question, wxID_YES)); },
         "abc", 2, 1},
        {"the Delete key", 1,
         [&] { wxTEST_DIALOG(PressKey(WXK_DELETE), ExpectMessage(question, wxID_YES)); }, "acd", 1,
         1},
        {"the Delete key answered No", 1,
         [&] { wxTEST_DIALOG(PressKey(WXK_DELETE), ExpectMessage(question, wxID_NO)); }, "abcd", 1,
         0},
        {"Alt+Up", 2, [] { PressKey(WXK_UP, wxMOD_ALT); }, "acbd", 1, 1},
        {"Alt+Down twice", 0,
         [] {
             PressKey(WXK_DOWN, wxMOD_ALT);
             PressKey(WXK_DOWN, wxMOD_ALT);
         },
         "bcad", 2, 2},
    };
    for (const auto& c : cases) {
        doc.InitNewProject();
        view->OnInitialUpdate();
        AddEffects({{"a", 0, 10, 1}, {"b", 1, 11, 2}, {"c", 2, 12, 3}, {"d", 3, 13, 4}});
        Pump(500);  // the last case's click is too long ago to make this one a double click
        const std::string before = SerializeProject(doc);
        ClickAt(view->EffectsList(), RowPoint(c.clicked));
        c.act();
        EXPECT_EQ(Texts(), c.texts) << c.name;
        EXPECT_EQ(wxWindow::FindFocus(), view->EffectsList()) << c.name;
        EXPECT_EQ(view->FirstSelectedRow(), c.selected) << c.name;
        EXPECT_TRUE(view->EditButton()->IsEnabled()) << c.name;
        EXPECT_TRUE(view->DeleteButton()->IsEnabled()) << c.name;
        // The keyboard's place is the selected row: Down goes on from it.
        PressKey(WXK_DOWN);
        const long last = static_cast<long>(std::string(c.texts).size()) - 1;
        EXPECT_EQ(view->FirstSelectedRow(), std::min(c.selected + 1, last)) << c.name << ", Down";
        for (int i = 0; i < c.undoSteps; ++i) PressKey('Z', wxMOD_CONTROL);
        EXPECT_EQ(SerializeProject(doc), before) << c.name << ": " << c.undoSteps << " undo steps";
        if (c.undoSteps > 0) {
            PressKey(WXK_DOWN);
            EXPECT_EQ(view->FirstSelectedRow(), std::min(c.clicked + 1, 3L))
                << c.name << ", Down after undo";
        }
    }
}

// A row dragged onto the middle of another takes its place, onto its edge goes between the rows
// there, below the rows becomes the last; each drag is one undo step and leaves the moved row
// selected.
TEST_F(ListInputTest, ADraggedRowLandsWhereTheDropIsMarked) {
    const int edge = 1;  // from a row's middle to its edge: half its height less two pixels
    const struct {
        long from, onto;  // onto -1: below the last row
        int dy;           // from the middle of the row: its edges are the gaps between rows
        const char* texts;
    } cases[] = {{0, 2, 0, "bcad"},    {3, 0, 0, "dabc"},     {1, -1, 0, "acdb"},
                 {2, 2, 0, "abcd"},    {0, 2, -edge, "bacd"}, {0, 2, edge, "bcad"},
                 {3, 0, edge, "adbc"}, {3, 1, -edge, "adbc"}};
    for (const auto& c : cases) {
        doc.InitNewProject();
        view->OnInitialUpdate();
        AddEffects({{"a", 0, 10, 1}, {"b", 1, 11, 2}, {"c", 2, 12, 3}, {"d", 3, 13, 4}});
        Pump(500);
        const std::string before = SerializeProject(doc);
        const int toEdge =
            view->EffectsList()->GetItemRect(view->EffectsModel()->GetItem(0)).height / 2 - 2;
        const wxPoint below = RowPoint(3) + wxPoint(0, 3 * view->EffectsList()->GetCharHeight());
        DragOnScreen(ScreenPoint(view->EffectsList(), RowPoint(c.from)),
                     ScreenPoint(view->EffectsList(), (c.onto < 0 ? below : RowPoint(c.onto)) +
                                                          wxPoint(0, c.dy * toEdge)));
        Pump(200);
        const std::string texts(c.texts);
        EXPECT_EQ(Texts(), texts) << c.from << " onto " << c.onto << " at " << c.dy;
        if (texts == "abcd") continue;
        EXPECT_EQ(view->FirstSelectedRow(), static_cast<long>(texts.find("abcd"[c.from])));
        FocusForKeys(view->EffectsList());
        PressKey('Z', wxMOD_CONTROL);
        EXPECT_EQ(SerializeProject(doc), before) << c.from << " onto " << c.onto;
    }
}

// A project file dragged from another program opens where it is dropped, on the list or anywhere
// else on the window, after the question that saves the changes first (Cancel keeps them).
TEST_F(ListInputTest, AProjectFileDroppedOnTheWindowOpensAfterTheSaveQuestion) {
    const std::string path = wxFileName::CreateTempFileName("gwk-drop").utf8_string();
    {
        CTallowmereDoc dropped;
        dropped.AddEffect(std::make_unique<CEffect>("dropped", 0, 10, 1));
        SaveProject(dropped, path);
    }
    const wxPoint place(1100, 860);  // clear of the window under test
    ChildProgram source({FILE_DRAG_SOURCE, path, "1100", "860"}, {"NO_AT_BRIDGE=1"});
    ASSERT_FALSE(
        source.WaitForWindow([](const std::string& t) { return t == "file drag source"; }, 10000)
            .empty());
    const struct {
        const char* where;
        wxWindow* target;
        int answer;
        const char* text;  // the first effect afterwards
    } cases[] = {{"on the list, Cancel", view->EffectsList(), wxID_CANCEL, "mine"},
                 {"on the list, No", view->EffectsList(), wxID_NO, "dropped"},
                 {"on the Start button, No", view->StartButton(), wxID_NO, "dropped"}};
    for (const auto& c : cases) {
        doc.InitNewProject();
        view->OnInitialUpdate();
        AddEffects({{"mine", 0, 10, 1}});
        frame->Raise();
        Pump(300);
        wxTEST_DIALOG(DragOnScreen(place + wxPoint(80, 60), ScreenPoint(c.target)),
                      ExpectMessage("Save changes to Untitled?", c.answer));
        ASSERT_EQ(doc.GetCount(), 1) << c.where;
        EXPECT_EQ(doc.GetAt(0)->GetText(), std::string(c.text)) << c.where;
        EXPECT_EQ(doc.GetPathName(), c.answer == wxID_NO ? path : "") << c.where;
    }
    wxRemoveFile(path);
}

}  // namespace
}  // namespace glintwick::test
