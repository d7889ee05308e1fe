// The project document's list and settings operations, modified flag, title and views.
#include <gtest/gtest.h>

#include <functional>

#include "TestSupport.h"
#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"

namespace glintwick {
namespace {

using test::CountingView;

std::vector<std::string> Texts(const CTallowmereDoc& doc) {
    std::vector<std::string> texts;
    for (int i = 0; i < doc.GetCount(); ++i) texts.emplace_back(doc.GetAt(i)->GetText());
    return texts;
}

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.InitNewProject();
        test::Fill(doc, {{"P", 0, 10, 1}, {"Q", 1, 10, 1}, {"R", 2, 10, 1}});
        doc.AddView(&view);
    }
    CTallowmereDoc doc;
    CountingView view;
};

TEST(NewProject, IsEmptyUntitledUnmodifiedAndRepeatsForever) {
    CTallowmereDoc doc;
    doc.SetRepeat(7);
    doc.SetOptions(doc.GetFinalText(), 0);
    doc.SetOptions("bye", doc.GetAutoStart());
    doc.SetPathName("/tmp/x.gwk");
    doc.SetModified(true);
    doc.InitNewProject();
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_EQ(doc.GetFinalText(), "");
    EXPECT_EQ(doc.GetAutoStart(), 1);
    EXPECT_EQ(doc.GetRepeat(), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_EQ(doc.GetProposedFileName(), "Untitled.gwk");
}

TEST(NewProject, AddEffectAppendsMarksModifiedAndRefreshesOnce) {
    CTallowmereDoc doc;
    doc.InitNewProject();
    CountingView view;
    doc.AddView(&view);
    doc.AddEffect(std::make_unique<CEffect>("added", 3, 4, 5));
    EXPECT_EQ(doc.GetCount(), 1);
    EXPECT_EQ(doc.GetAt(0)->GetText(), "added");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.updates, 1);
}

TEST_F(DocumentTest, MovesAndDeletesKeepOrderAndReturnNewPosition) {
    EXPECT_EQ(doc.MoveUp(2), 1);
    EXPECT_EQ(Texts(doc), (std::vector<std::string>{"P", "R", "Q"}));
    doc.SetModified(false);
    EXPECT_EQ(doc.MoveDown(0), 1);
    EXPECT_TRUE(doc.IsModified());  // each move that swaps marks the project by itself
    EXPECT_EQ(Texts(doc), (std::vector<std::string>{"R", "P", "Q"}));
    doc.DeleteEffect(1);
    EXPECT_EQ(Texts(doc), (std::vector<std::string>{"R", "Q"}));
    EXPECT_EQ(view.updates, 3);
    EXPECT_TRUE(doc.IsModified());
}

// The document, not the window that asked, has its views start over with a new project: a new
// one, one opened, and the new one a file that is no project leaves; a file not read changes
// nothing.
TEST_F(DocumentTest, NewAndOpenedProjectsHaveTheirViewsStartOver) {
    test::TempFolder folder;
    test::WriteFile(folder.File("p.gwk"), SerializeProject(doc));
    test::WriteFile(folder.File("bad.gwk"), test::Bytes({0, 0, 0}));
    const std::pair<const char*, std::function<void()>> starts[] = {
        {"new", [&] { doc.InitNewProject(); }},
        {"open", [&] { LoadProject(doc, folder.File("p.gwk")); }},
        {"no project", [&] { EXPECT_ANY_THROW(LoadProject(doc, folder.File("bad.gwk"))); }},
    };
    for (const auto& [name, start] : starts) {
        const int before = view.initialUpdates;
        start();
        EXPECT_EQ(view.initialUpdates, before + 1) << name;
    }
    EXPECT_ANY_THROW(LoadProject(doc, folder.File("gone.gwk")));
    EXPECT_EQ(view.initialUpdates, 3);
    EXPECT_EQ(view.updates, 0);
}

// A view rebuilds its rows only when the version has moved, so every way the records can
// change must move it; the settings alone must not.
TEST_F(DocumentTest, ListVersionMovesWithEveryChangeOfTheRecords) {
    test::TempFolder folder;
    CTallowmereDoc loaded;
    test::Fill(loaded, {{"L", 3, 5, 2}});
    test::WriteFile(folder.File("p.gwk"), SerializeProject(loaded));
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"add", [&] { doc.AddEffect(std::make_unique<CEffect>()); }},
        {"update", [&] { doc.UpdateEffect(doc.GetAt(0), "P", 0, 10, 1); }},
        {"move up", [&] { doc.MoveUp(1); }},
        {"move down", [&] { doc.MoveDown(0); }},
        {"delete", [&] { doc.DeleteEffect(0); }},
        {"append loaded", [&] { doc.AppendLoaded("A", 0, 10, 1); }},
        {"load", [&] { LoadProject(doc, folder.File("p.gwk")); }},
        {"reset", [&] { doc.ResetContents(); }},
        {"new project", [&] { doc.InitNewProject(); }},
    };
    for (const auto& [name, change] : changes) {
        const uint64_t before = doc.ListVersion();
        change();
        EXPECT_NE(doc.ListVersion(), before) << name;
    }
    const uint64_t before = doc.ListVersion();
    doc.SetRepeat(4);
    doc.SetOptions("end", 0);
    EXPECT_EQ(doc.ListVersion(), before);
}

// A view that leaves during a refresh does not keep the others from hearing of it.
TEST_F(DocumentTest, EveryViewHearsARefreshWhileOneDetachesItself) {
    struct LeavingView : CountingView {
        CTallowmereDoc* doc = nullptr;
        void OnUpdate() override {
            CountingView::OnUpdate();
            doc->RemoveView(this);
        }
    } leaving;
    leaving.doc = &doc;
    CountingView last;
    doc.RemoveView(&view);
    doc.AddView(&leaving);
    doc.AddView(&view);
    doc.AddView(&last);
    doc.NotifyViews();
    EXPECT_EQ(leaving.updates, 1);
    EXPECT_EQ(view.updates, 1);
    EXPECT_EQ(last.updates, 1);
}

TEST_F(DocumentTest, MovesAtTheEndsChangeNothing) {
    EXPECT_EQ(doc.MoveUp(0), 0);
    EXPECT_EQ(doc.MoveDown(2), 2);
    EXPECT_EQ(Texts(doc), (std::vector<std::string>{"P", "Q", "R"}));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.updates, 0);
}

TEST_F(DocumentTest, UpdateWithUnchangedValuesStillMarksModifiedAndRefreshes) {
    const CEffect* q = doc.GetAt(1);
    doc.UpdateEffect(q, std::string(q->GetText()), q->GetEffect(), q->GetSpeed(), q->GetLoops());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.updates, 1);
    doc.UpdateEffect(q, "new", 9, 20, 4);
    EXPECT_EQ(q->GetText(), "new");
    EXPECT_EQ(q->GetEffect(), 9);
    EXPECT_EQ(q->GetSpeed(), 20);
    EXPECT_EQ(q->GetLoops(), 4);
}

TEST_F(DocumentTest, UpdateOfARecordNotInTheListChangesNothing) {
    const CEffect stranger("elsewhere", 2, 5, 1);
    doc.UpdateEffect(&stranger, "new", 9, 20, 4);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.updates, 0);
    EXPECT_EQ(Texts(doc), (std::vector<std::string>{"P", "Q", "R"}));
}

// Undo changes the repeat count behind the form's back: the views hear of every change.
TEST_F(DocumentTest, SetRepeatMarksModifiedAndRefreshesOnlyOnChange) {
    doc.SetRepeat(0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.updates, 0);
    const uint64_t list = doc.ListVersion();
    doc.SetRepeat(5);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetRepeat(), 5);
    EXPECT_EQ(view.updates, 1);
    EXPECT_EQ(doc.ListVersion(), list) << "the list did not change";
}

TEST_F(DocumentTest, ResetContentsKeepsRepeatModifiedFlagAndPath) {
    doc.SetRepeat(4);
    doc.SetPathName("/some/where/show.gwk");
    doc.SetOptions(doc.GetFinalText(), 0);
    doc.SetOptions("end", doc.GetAutoStart());
    doc.ResetContents();
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_EQ(doc.GetFinalText(), "");
    EXPECT_EQ(doc.GetAutoStart(), 1);
    EXPECT_EQ(doc.GetRepeat(), 4);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "show.gwk");
}

TEST_F(DocumentTest, TitleFollowsThePathAndViewsHearOfIt) {
    doc.SetPathName("/home/me/my show.gwk");
    EXPECT_EQ(doc.GetTitle(), "my show.gwk");
    EXPECT_EQ(doc.GetProposedFileName(), "/home/me/my show.gwk");
    EXPECT_GE(view.titleChanges, 1);
    doc.RemoveView(&view);
    doc.NotifyViews();
    EXPECT_EQ(view.updates, 0);
}

}  // namespace
}  // namespace glintwick
