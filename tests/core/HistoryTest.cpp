// Undo and redo of the project's commands: exact projects back, the clean point, the history's
// records that came from a loaded project's store.
#include <gtest/gtest.h>

#include <functional>

#include "TestSupport.h"
#include "model/ProjectCommands.h"
#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"

namespace glintwick {
namespace {

using MakeCommand = std::function<std::unique_ptr<CCommand>(CTallowmereDoc&)>;

struct CommandCase {
    const char* name;  // what Undo and Redo call it
    MakeCommand make;
};

const CommandCase kCommands[] = {
    {"Add", [](CTallowmereDoc& d) { return AddCommand(d, CEffect("new", 5, 7, 3)); }},
    {"Edit", [](CTallowmereDoc& d) { return EditCommand(d, 1, CEffect("edited", 4, 2, 9)); }},
    {"Delete", [](CTallowmereDoc& d) { return DeleteCommand(d, 0); }},
    {"Move Up", [](CTallowmereDoc& d) { return MoveCommand(d, 2, 1); }},
    {"Move Down", [](CTallowmereDoc& d) { return MoveCommand(d, 0, 1); }},
    {"Move", [](CTallowmereDoc& d) { return MoveCommand(d, 3, 0); }},
    {"Move", [](CTallowmereDoc& d) { return MoveCommand(d, 0, 3); }},
    {"Repeat", [](CTallowmereDoc& d) { return RepeatCommand(d, 6); }},
    {"Options", [](CTallowmereDoc& d) { return OptionsCommand(d, "the end", 0); }},
};

// A project read from bytes, so that its texts lie in the project's store, as a saved one.
class HistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        CTallowmereDoc source;
        test::Fill(source, {{"first text", 0, 10, 1},
                            {"second", 1, 12, 2},
                            {"third one", 2, 14, 3},
                            {"fourth", 11, 16, 4}});
        source.SetOptions("final", 1);
        source.SetRepeat(2);
        DeserializeProject(doc, SerializeProject(source));
        doc.SetModified(false);
    }
    std::string Bytes() { return SerializeProject(doc); }

    CTallowmereDoc doc;
};

TEST_F(HistoryTest, EachCommandIsUndoneAndRedoneToTheExactProject) {
    for (const CommandCase& c : kCommands) {
        SetUp();
        const std::string before = Bytes();
        doc.Submit(c.make(doc));
        const std::string after = Bytes();
        EXPECT_NE(after, before) << c.name;
        EXPECT_TRUE(doc.IsModified()) << c.name;
        EXPECT_EQ(doc.History().UndoName(), c.name);
        doc.Undo();
        EXPECT_EQ(Bytes(), before) << c.name;
        EXPECT_FALSE(doc.IsModified()) << c.name << ": back at the saved state";
        EXPECT_EQ(doc.History().RedoName(), c.name);
        doc.Redo();
        EXPECT_EQ(Bytes(), after) << c.name;
        EXPECT_TRUE(doc.IsModified()) << c.name;
    }
}

// Every command in turn, then undone and redone in a mixed order: each state comes back.
TEST_F(HistoryTest, AnyOrderOfUndoAndRedoWalksThroughTheSameProjects) {
    std::vector<std::string> states{Bytes()};
    for (const CommandCase& c : kCommands) {
        doc.Submit(c.make(doc));
        states.push_back(Bytes());
    }
    size_t at = states.size() - 1;
    for (const bool redo : {false, false, false, true, false, false, true, true, false, false,
                            false, false, false, false, false, true, true, true}) {
        if (redo) {
            ASSERT_TRUE(doc.History().CanRedo());
            doc.Redo();
            ++at;
        } else {
            ASSERT_TRUE(doc.History().CanUndo());
            doc.Undo();
            --at;
        }
        EXPECT_EQ(Bytes(), states[at]) << "state " << at;
        EXPECT_EQ(doc.IsModified(), at != 0) << "state " << at;
    }
}

// The records deleted from a loaded project keep their texts while the history holds them.
TEST_F(HistoryTest, DeletedLoadedRecordsComeBackWithTheirTexts) {
    const std::string loaded = Bytes();
    while (doc.GetCount() > 0) doc.Submit(DeleteCommand(doc, doc.GetCount() - 1));
    doc.Submit(AddCommand(doc, CEffect(std::string(5000, 'x'), 0, 10, 1)));
    while (doc.History().CanUndo()) doc.Undo();
    EXPECT_EQ(Bytes(), loaded);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(HistoryTest, SavingMovesTheCleanPointAndANewCommandCanLoseIt) {
    doc.Submit(RepeatCommand(doc, 5));
    doc.SetModified(false);  // as a save does
    doc.Undo();
    EXPECT_TRUE(doc.IsModified()) << "before the save";
    doc.Redo();
    EXPECT_FALSE(doc.IsModified()) << "at the save";
    doc.Undo();
    doc.Submit(RepeatCommand(doc, 9));
    EXPECT_FALSE(doc.History().CanRedo());
    doc.Undo();
    EXPECT_TRUE(doc.IsModified()) << "the saved state cannot be reached any more";
}

// A change a window still holds goes in first, as a step of its own.
TEST_F(HistoryTest, APendingEditIsSubmittedBeforeTheCommandAsItsOwnStep) {
    bool pending = true;
    doc.SetPendingEdit([&] {
        if (std::exchange(pending, false)) doc.Submit(RepeatCommand(doc, 7));
    });
    doc.Submit(DeleteCommand(doc, 0));
    EXPECT_EQ(doc.GetRepeat(), 7);
    EXPECT_EQ(doc.History().UndoName(), "Delete");
    doc.Undo();
    EXPECT_EQ(doc.History().UndoName(), "Repeat");
    EXPECT_EQ(doc.GetRepeat(), 7);
}

TEST_F(HistoryTest, NewOpenAndChangesOutsideTheHistoryEndIt) {
    const std::function<void(CTallowmereDoc&)> endings[] = {
        [](CTallowmereDoc& d) { d.InitNewProject(); },
        [](CTallowmereDoc& d) { DeserializeProject(d, SerializeProject(d)); },
        [](CTallowmereDoc& d) { d.DeleteEffect(0); },
    };
    for (const auto& end : endings) {
        SetUp();
        doc.Submit(EditCommand(doc, 0, CEffect("e", 0, 1, 1)));
        doc.Undo();
        end(doc);
        EXPECT_FALSE(doc.History().CanUndo());
        EXPECT_FALSE(doc.History().CanRedo());
    }
}

}  // namespace
}  // namespace glintwick
