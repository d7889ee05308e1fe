// The preview folder: checked before each use, written without following links, and the
// folders of killed runs removed.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "TestSupport.h"
#include "script/BrowserPreview.h"
#include "script/PreviewFolder.h"
#include "script/ScriptWriter.h"

namespace glintwick {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode;
}

// A process id that ran a moment ago and runs no more.
pid_t EndedProcess() {
    const pid_t pid = ::fork();
    if (pid == 0) _exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

// Whatever takes the folder's place after a first use, the next use makes a folder of its own
// and leaves the thing at the old path as it found it.
TEST(PreviewFolder, SomethingElseInItsPlaceIsLeftAloneForANewFolder) {
    TempFolder temp;
    const std::string victim = temp.File("victim");
    ::mkdir(victim.c_str(), 0700);
    struct Case {
        const char* name;
        std::function<void(const std::string&)> replace;
        bool rootOnly;
    } cases[] = {
        {"gone", [](const std::string&) {}, false},
        {"a folder anyone may write to",
         [](const std::string& path) {
             ::mkdir(path.c_str(), 0700);
             ::chmod(path.c_str(), 0777);
         },
         false},
        {"another user's folder",
         [](const std::string& path) {
             ::mkdir(path.c_str(), 0700);
             ASSERT_EQ(::chown(path.c_str(), 1000, 1000), 0);
         },
         true},
        {"a link to a folder",
         [&](const std::string& path) { EXPECT_EQ(::symlink(victim.c_str(), path.c_str()), 0); },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.rootOnly && ::geteuid() != 0) continue;
        CPreviewFolder folder(temp.Path());
        const std::string first = folder.Use();
        EXPECT_TRUE(IsPrivateFolder(first));
        EXPECT_EQ(folder.Use(), first) << "an intact folder is used again";
        fs::remove_all(first);
        c.replace(first);
        const mode_t planted = ModeOf(first);
        const std::string second = folder.Use();
        EXPECT_NE(second, first);
        EXPECT_TRUE(IsPrivateFolder(second));
        EXPECT_EQ(ModeOf(first), planted) << "the thing at the old path was left as it was";
        std::error_code ignored;
        fs::remove(first, ignored);
    }
    EXPECT_TRUE(fs::is_empty(victim));
}

// A link named like the page or the script is replaced, never written through.
TEST(PreviewFolder, PageAndScriptReplaceLinksInTheirPlace) {
    TempFolder temp;
    const std::string outside = temp.File("outside.txt");
    WriteFile(outside, "not the preview's");
    CPreviewFolder folder(temp.Path());
    const std::string dir = folder.Use();
    for (const char* name : {"/demo.html", "/demo.js"})
        ASSERT_EQ(::symlink(outside.c_str(), (dir + name).c_str()), 0);
    CTallowmereDoc doc;
    test::Fill(doc, {{"hello", 0, 20, 1}});
    WritePreviewFiles(doc, dir + "/demo.html", "demo.js", false);
    EXPECT_EQ(ReadFile(outside), "not the preview's");
    EXPECT_TRUE(S_ISREG(ModeOf(dir + "/demo.html")));
    EXPECT_EQ(ReadFile(dir + "/demo.js"), WriteScript(doc, "demo.js"));
}

// Only this user's private folders of processes that no longer run are removed.
TEST(PreviewFolder, FoldersOfEndedRunsAreRemovedAndNothingElse) {
    TempFolder temp;
    const std::string ended = std::to_string(EndedProcess());
    const std::string victim = temp.File("victim");
    ::mkdir(victim.c_str(), 0700);
    WriteFile(victim + "/keep.txt", "keep");
    auto folder = [&](const std::string& pid, const char* tail, mode_t mode) {
        const std::string path = temp.File("glintwick-preview-" + pid + "-" + tail);
        ::mkdir(path.c_str(), 0700);
        ::chmod(path.c_str(), mode);
        WriteFile(path + "/page.html", "x");
        return path;
    };
    const std::string abandoned = folder(ended, "aaaaaa", 0700);
    const std::string mine = folder(std::to_string(::getpid()), "bbbbbb", 0700);
    const std::string running = folder("1", "cccccc", 0700);
    const std::string open = folder(ended, "dddddd", 0755);
    const std::string link = temp.File("glintwick-preview-" + ended + "-eeeeee");
    ASSERT_EQ(::symlink(victim.c_str(), link.c_str()), 0);
    const std::string otherName = folder(ended, "toolong", 0700);

    EXPECT_EQ(CPreviewFolder::RemoveAbandoned(temp.Path()), 1);
    EXPECT_FALSE(fs::exists(abandoned));
    for (const auto& kept : {mine, running, open, otherName}) EXPECT_TRUE(fs::exists(kept)) << kept;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(victim + "/keep.txt"), "keep");
}

}  // namespace
}  // namespace glintwick
