// The record of the project's file: changes by other processes are found, our own saves are not.
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "TestSupport.h"
#include "model/FileWatch.h"
#include "model/ProjectFile.h"

namespace glintwick {
namespace {

using test::TempFolder;

class FileWatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::Fill(doc, {{"mine", 0, 10, 1}});
        watch.Record(path, SaveProject(doc, path));
        test::WriteFile(json, R"({"effects":[{"text":"theirs","effect":1,"speed":5,"loops":2}]})");
    }
    // Another process, as a second window or a script would be.
    void Outside(const std::vector<std::string>& argv) {
        test::ChildLaunch launch;
        launch.argv = argv;
        ASSERT_EQ(test::RunChild(launch).exitCode, 0);
    }

    TempFolder folder;
    const std::string path = folder.File("shared.gwk");
    const std::string json = folder.File("theirs.json");
    CTallowmereDoc doc;
    CFileWatch watch;
};

TEST_F(FileWatchTest, AnotherProcessWritingTheFileIsFound) {
    const struct {
        const char* what;
        std::function<void()> write;
        FileChange change;
    } cases[] = {
        {"replaced by glintwick-cli import",
         [&] {
             ASSERT_EQ(test::RunCli({"import", json, path}).exitCode, 0);
         },
         FileChange::Changed},
        {"appended to in place",
         [&] {
             Outside({"/bin/sh", "-c", "printf x >> \"$0\"", path});
         },
         FileChange::Changed},
        {"removed",
         [&] {
             Outside({"/bin/rm", path});
         },
         FileChange::Removed},
    };
    for (const auto& c : cases) {
        watch.Record(path, SaveProject(doc, path));
        ASSERT_EQ(watch.Check(path).change, FileChange::None) << c.what;
        c.write();
        EXPECT_EQ(watch.Check(path).change, c.change) << c.what;
    }
}

TEST_F(FileWatchTest, OurOwnSavesAndLoadsAreNoChange) {
    const struct {
        const char* what;
        std::function<CFileStamp()> act;
    } cases[] = {
        {"saved through a new file", [&] { return SaveProject(doc, path); }},
        // A second name makes the save write into the file itself, which keeps its inode.
        {"saved in place",
         [&] {
             EXPECT_EQ(::link(path.c_str(), folder.File("second name").c_str()), 0);
             return SaveProject(doc, path);
         }},
        {"loaded", [&] { return LoadProject(doc, path); }},
    };
    for (const auto& c : cases) {
        test::Fill(doc, {{"more", 2, 3, 4}});  // a longer file each time
        watch.Record(path, c.act());
        EXPECT_EQ(watch.Check(path).change, FileChange::None) << c.what;
    }
}

TEST_F(FileWatchTest, AnAcceptedChangeIsNotFoundAgainButTheNextOneIs) {
    ASSERT_EQ(test::RunCli({"import", json, path}).exitCode, 0);
    watch.Accept(watch.Check(path));
    EXPECT_EQ(watch.Check(path).change, FileChange::None);
    ::unlink(path.c_str());
    const FileCheck gone = watch.Check(path);
    EXPECT_EQ(gone.change, FileChange::Removed);
    watch.Accept(gone);
    EXPECT_EQ(watch.Check(path).change, FileChange::None);
    ASSERT_EQ(test::RunCli({"import", json, path}).exitCode, 0);
    EXPECT_EQ(watch.Check(path).change, FileChange::Changed) << "the file came back";
    EXPECT_EQ(watch.Check(folder.File("other.gwk")).change, FileChange::None) << "not recorded";
}

}  // namespace
}  // namespace glintwick
