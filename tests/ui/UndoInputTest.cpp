// Undo and Redo of every command with real keys and clicks, and the boxes' own undo.
#include <wx/dataview.h>
#include <wx/menu.h>

#include <functional>

#include "UiTestSupport.h"
#include "XProbe.h"
#include "model/ProjectFile.h"
#include "resources/Ids.h"
#include "ui/OptionsDlg.h"

namespace glintwick::test {
namespace {

class UndoInputTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        frame->Raise();
        Pump(200);
    }
    // Three rows, as saved: nothing in the history.
    void StartProject() {
        doc.InitNewProject();
        view->OnInitialUpdate();
        AddEffects({{"a", 0, 10, 1}, {"b", 1, 11, 2}, {"c", 2, 12, 3}});
        doc.SetModified(false);
        Pump(100);
    }
    void ClickRow(long row) {
        wxDataViewCtrl* list = view->EffectsList();
        const wxRect rect = list->GetItemRect(view->EffectsModel()->GetItem(row));
        ClickAt(list, rect.GetPosition() + wxPoint(20, rect.height / 2));
    }
    wxString MenuText(int command) {
        return frame->GetMenuBar()->FindItem(id::MenuId(command))->GetItemLabelText();
    }
};

ExpectEffectDialog AnswerEffect(const char* text) {
    return ExpectEffectDialog([text](CEffectDlg& dialog) {
        dialog.m_strText = text;
        return wxID_OK;
    });
}

// Each command with the user's own input; Ctrl+Z brings the saved project back, unmodified,
// and selects the row it changed; Ctrl+Y and Ctrl+Shift+Z do the command again.
TEST_F(UndoInputTest, EachCommandIsUndoneAndRedoneWithTheKeys) {
    const wxString deleteQuestion = "Are you sure that you want to delete the selected effect?";
    const struct {
        const char* name;
        std::function<void()> act;
        long rowAfterUndo, rowAfterRedo;  // the selected row; -1: none is checked
    } cases[] = {
        {"Add", [&] { wxTEST_DIALOG(ClickAt(view->AddNewButton()), AnswerEffect("new")); }, -1, -1},
        {"Edit",
         [&] {
             ClickRow(1);
             wxTEST_DIALOG(ClickAt(view->EditButton()), AnswerEffect("edited"));
         },
         1, 1},
        {"Delete",
         [&] {
             ClickRow(1);
             wxTEST_DIALOG(ClickAt(view->DeleteButton()), ExpectMessage(deleteQuestion, wxID_YES));
         },
         1, 1},
        {"Move Up",
         [&] {
             ClickRow(1);
             ClickAt(view->MoveUpButton());
         },
         1, 0},
        {"Move Down",
         [&] {
             ClickRow(1);
             ClickAt(view->MoveDownButton());
         },
         1, 2},
        {"Repeat", [&] { ClickAt(view->TimesRadio()); }, -1, -1},
        // The Options dialog opens from the menu (the toolkit's menus are not driven here).
        {"Options",
         [&] {
             wxCommandEvent options(wxEVT_MENU, id::MenuId(id::kToolsOptions));
             wxTEST_DIALOG(frame->GetEventHandler()->ProcessEvent(options),
                           ExpectDialog<COptionsDlg>([](COptionsDlg& dialog) {
                               dialog.m_strFinalText = "the end";
                               return wxID_OK;
                           }));
         },
         -1, -1},
    };
    EXPECT_EQ(frame->GetMenuBar()->GetMenuLabelText(1), "Edit");
    for (const auto& c : cases) {
        StartProject();
        EXPECT_EQ(MenuText(id::kEditUndo), "Undo") << c.name;
        EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(id::MenuId(id::kEditUndo))) << c.name;
        const std::string before = SerializeProject(doc);
        c.act();
        const std::string after = SerializeProject(doc);
        ASSERT_NE(after, before) << c.name;
        EXPECT_EQ(MenuText(id::kEditUndo), wxString("Undo ") + c.name);
        FocusForKeys(view->EffectsList());
        PressKey('Z', wxMOD_CONTROL);
        EXPECT_EQ(SerializeProject(doc), before) << c.name;
        EXPECT_FALSE(doc.IsModified()) << c.name;
        if (c.rowAfterUndo >= 0) {
            EXPECT_EQ(view->FirstSelectedRow(), c.rowAfterUndo) << c.name;
        }
        EXPECT_EQ(MenuText(id::kEditRedo), wxString("Redo ") + c.name);
        PressKey('Y', wxMOD_CONTROL);
        EXPECT_EQ(SerializeProject(doc), after) << c.name;
        PressKey('Z', wxMOD_CONTROL);
        PressKey('Z', wxMOD_CONTROL | wxMOD_SHIFT);
        EXPECT_EQ(SerializeProject(doc), after) << c.name << ", Ctrl+Shift+Z";
        if (c.rowAfterRedo >= 0) {
            EXPECT_EQ(view->FirstSelectedRow(), c.rowAfterRedo) << c.name << ", redone";
        }
        EXPECT_TRUE(doc.IsModified()) << c.name;
    }
}

// In the repeat-count box the keys undo and redo its typing; leaving the box makes the count
// one step of the project's history.
TEST_F(UndoInputTest, TheRepeatCountBoxUndoesItsOwnTyping) {
    ClickAt(view->TimesRadio());
    FocusForKeys(view->CountEdit());
    PressKey(WXK_END);
    PressKey('2');
    PressKey('3');
    ASSERT_EQ(view->CountEdit()->GetValue(), "123");
    PressKey('Z', wxMOD_CONTROL);
    EXPECT_EQ(view->CountEdit()->GetValue(), "12");
    PressKey('Z', wxMOD_CONTROL);
    EXPECT_EQ(view->CountEdit()->GetValue(), "1");
    PressKey('Y', wxMOD_CONTROL);
    EXPECT_EQ(view->CountEdit()->GetValue(), "12");
    EXPECT_EQ(doc.GetRepeat(), 1) << "the project's history was left alone";
    FocusForKeys(view->EffectsList());
    EXPECT_EQ(doc.GetRepeat(), 12);
    PressKey('Z', wxMOD_CONTROL);
    EXPECT_EQ(doc.GetRepeat(), 1);
    EXPECT_EQ(view->CountEdit()->GetValue(), "1");
}

}  // namespace
}  // namespace glintwick::test
