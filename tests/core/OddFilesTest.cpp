// Project files that are no ordinary files: huge sparse ones, devices, FIFOs, links, low limits.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "TestSupport.h"
#include "model/FileError.h"
#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"
#include "model/platform/FileSystem.h"
#include "script/BrowserPreview.h"
#include "script/ScriptWriter.h"

namespace glintwick {
namespace {

using test::Bytes;
using test::LoadMessage;
using test::TempFolder;

constexpr long long kGiB = 1LL << 30;

// A file of `size` bytes that holds `head` and then only holes.
void MakeSparse(const std::string& path, const std::string& head, long long size) {
    test::WriteFile(path, head);
    ASSERT_EQ(::truncate(path.c_str(), size), 0);
}

// Paths that are not regular files: the open project stays, the message is the access one,
// and the CLI says the same at once instead of waiting on a FIFO or reading a device forever.
TEST(OddFiles, ProjectPathsThatAreNoRegularFilesAreRefusedAtOnce) {
    TempFolder folder;
    const std::string fifo = folder.File("pipe.gwk");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string linkToFifo = folder.File("link-to-pipe.gwk");
    ASSERT_EQ(::symlink(fifo.c_str(), linkToFifo.c_str()), 0);
    const std::string paths[] = {fifo, linkToFifo, "/dev/zero", "/dev/null", folder.Path()};
    for (const auto& path : paths) {
        SCOPED_TRACE(path);
        test::ChildLaunch launch;
        launch.timeoutSeconds = 10;
        // An unchecked read of /dev/zero ends in std::bad_alloc here, not in the swap file.
        if (!test::BuiltWithAddressSanitizer()) launch.addressSpaceLimit = 2 * kGiB;
        const test::ChildResult shown = test::RunCli({"show", path}, launch);
        EXPECT_FALSE(shown.timedOut) << "glintwick-cli show waited on " << path;
        EXPECT_EQ(shown.exitCode, 1);
        EXPECT_EQ(shown.err, "glintwick-cli: Access to '" + path + "' was denied.\n");
        EXPECT_LT(shown.seconds, 5);

        if (path == fifo || path == linkToFifo || path == "/dev/zero")
            continue;  // would hang before
        CTallowmereDoc doc;
        doc.InitNewProject();
        doc.AddEffect(std::make_unique<CEffect>());
        EXPECT_EQ(LoadMessage(doc, path), "Access to " + path + " was denied.");
        EXPECT_EQ(doc.GetCount(), 1) << "the open project stays as it was";
        EXPECT_TRUE(doc.IsModified());
    }
}

TEST(OddFiles, ASymbolicLinkToAProjectLoadsIt) {
    TempFolder folder;
    const std::string real = folder.File("real.gwk");
    test::WriteFile(real, Bytes({2, 'o', 'k', 1, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0}));
    const std::string link = folder.File("link.gwk");
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    CTallowmereDoc doc;
    EXPECT_EQ(LoadMessage(doc, link), "");
    EXPECT_EQ(doc.GetFinalText(), "ok");
    EXPECT_EQ(doc.GetRepeat(), 3);
}

// truncate -s 200G: the records end after 13 bytes of zeros, and nothing more is read.
TEST(OddFiles, A200GigabyteSparseFileLoadsAtOnceInSmallMemory) {
    TempFolder folder;
    const std::string big = folder.File("big.gwk");
    MakeSparse(big, "", 200 * kGiB);
    const test::ChildResult shown = test::RunCli({"show", big}, {.timeoutSeconds = 20});
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out.substr(0, shown.out.find(",\"timing\"")),
              R"({"finalText":"","autoStart":0,"repeat":0,"effects":[])");
    EXPECT_LT(shown.seconds, 2);
    EXPECT_LT(shown.peakKb, 32 * 1024);
    std::cout << "  show on a 200 GB sparse file: " << shown.seconds << " s, peak RSS "
              << shown.peakKb << " KiB\n";

    CTallowmereDoc doc;
    EXPECT_EQ(LoadMessage(doc, big), "");
    EXPECT_EQ(doc.GetCount(), 0);
}

// Claims the bytes are really there for: a 1.5 GB text, two billion zero records. Under a
// 1 GiB address-space limit the load fails as out of memory, with the design's message.
TEST(OddFiles, RunningOutOfMemoryWhileLoadingIsFailedToOpen) {
    if (test::BuiltWithAddressSanitizer())
        GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit";
    TempFolder folder;
    const std::string hugeText = folder.File("huge-text.gwk");
    MakeSparse(hugeText, Bytes({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x60}), 2 * kGiB);
    const std::string manyRecords = folder.File("many-records.gwk");
    MakeSparse(manyRecords, Bytes({0, 1, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F}), 200 * kGiB);
    for (const auto& path : {hugeText, manyRecords}) {
        SCOPED_TRACE(path);
        const test::ChildResult shown =
            test::RunCli({"show", path}, {.addressSpaceLimit = kGiB, .timeoutSeconds = 60});
        EXPECT_EQ(shown.signal, 0) << "the CLI died instead of reporting";
        EXPECT_EQ(shown.exitCode, 1);
        EXPECT_EQ(shown.err, "glintwick-cli: '" + path + "': Failed to open document.\n");
        std::cout << "  " << path.substr(path.rfind('/') + 1) << ": refused after " << shown.seconds
                  << " s, peak RSS " << shown.peakKb << " KiB\n";
    }
}

// The window program makes a script or a preview page in its own process: memory that runs out
// meanwhile fails that save with the design's message and writes nothing, instead of ending it.
TEST(OddFiles, RunningOutOfMemoryWhileSavingFailsThatSave) {
    if (test::BuiltWithAddressSanitizer())
        GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit";
    TempFolder folder;
    const std::string script = folder.File("big.js"), page = folder.File("big.html");
    // Every e-acute takes six bytes as an escape: the script would need 1.8 GB.
    auto underOneGiB = [](const std::string& path, auto save) {
        CTallowmereDoc doc;
        doc.AddEffect(std::make_unique<CEffect>(std::string(300 << 20, '\xE9'), 0, 20, 1));
        const rlimit limit{kGiB, kGiB};
        ::setrlimit(RLIMIT_AS, &limit);
        try {
            save(doc);
        } catch (const CFileFailure& failure) {
            std::_Exit(failure.Cause() == FailureCause::FailedToSave && !SomethingAt(path) ? 0 : 2);
        }
        std::_Exit(3);
    };
    EXPECT_EXIT(underOneGiB(script, [&](auto& doc) { GenerateScriptFile(doc, script, "big.js"); }),
                testing::ExitedWithCode(0), "");
    EXPECT_EXIT(underOneGiB(page, [&](auto& doc) { WritePreviewFiles(doc, page, "big.js"); }),
                testing::ExitedWithCode(0), "");
}

// Under a file-size limit every command that writes fails as on a full disk instead of dying
// of SIGXFSZ half-way: the message, the old file as it was and no temporary file left. A file
// with a second name is written in place, and its old bytes past the limit stay too.
TEST(OddFiles, AFileSizeLimitIsADiskFullForEveryWritingCommand) {
    const std::string demo = std::string(GLINTWICK_SOURCE_DIR) + "/examples/demo";
    struct Case {
        const char* name;
        std::vector<std::string> args;  // the output path is appended
        const char* output;
    } cases[] = {
        {"import", {"import", demo + ".json"}, "out.gwk"},
        {"generate", {"generate", demo + ".gwk"}, "out.js"},
        {"preview", {"preview", demo + ".gwk"}, "out.html"},
        {"strip", {"strip"}, "out.js"},
    };
    for (const auto& c : cases) {
        for (const bool linked : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (linked ? ", in place" : ""));
            TempFolder folder;
            const std::string output = folder.File(c.output);
            const std::string old = linked ? std::string(64 * 1024, 'o') : "the old file";
            test::WriteFile(output, old);
            std::vector<std::string> entries{c.output};
            if (linked) {
                ASSERT_EQ(::link(output.c_str(), folder.File("link").c_str()), 0);
                entries.insert(entries.begin(), "link");
            }
            std::vector<std::string> args = c.args;
            args.push_back(output);
            // Under every output's size, over the message's: the limit holds for the file
            // that catches stderr too.
            const test::ChildResult run = test::RunCli(args, {.fileSizeLimit = 256});
            EXPECT_EQ(run.signal, 0) << "killed by signal " << run.signal;
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_EQ(run.err, "glintwick-cli: Disk full while accessing '" + output + "'.\n");
            EXPECT_TRUE(test::ReadFile(output) == old) << "the old file was changed";
            EXPECT_EQ(folder.Entries(), entries) << "a temporary file was left";
        }
    }
}

// A save through a symbolic link that leads nowhere yet makes the file it names (read from
// the link's own folder, along a chain of links) and keeps the link; a loop is a bad path.
TEST(OddFiles, SavingThroughLinksThatLeadNowhereOrInALoop) {
    TempFolder folder;
    const std::string json = std::string(GLINTWICK_SOURCE_DIR) + "/examples/demo.json";
    ASSERT_EQ(test::RunCli({"import", json, folder.File("expected.gwk")}).exitCode, 0);
    ASSERT_EQ(::mkdir(folder.File("links").c_str(), 0700), 0);
    struct Case {
        const char* link;
        std::vector<std::pair<const char*, const char*>> links;  // name, what it points to
        const char* made;  // the file the save makes, or null for a loop
    } cases[] = {
        {"links/dangling.gwk", {{"links/dangling.gwk", "../made.gwk"}}, "made.gwk"},
        {"chain.gwk",
         {{"chain.gwk", "links/next.gwk"}, {"links/next.gwk", "end.gwk"}},
         "links/end.gwk"},
        {"loop.gwk", {{"loop.gwk", "links/back.gwk"}, {"links/back.gwk", "../loop.gwk"}}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        for (const auto& [name, to] : c.links) {
            ASSERT_EQ(::symlink(to, folder.File(name).c_str()), 0);
        }
        const std::string link = folder.File(c.link);
        const test::ChildResult run = test::RunCli({"import", json, link});
        EXPECT_EQ(run.exitCode, c.made ? 0 : 1);
        EXPECT_EQ(run.err,
                  c.made ? "" : "glintwick-cli: '" + link + "' contains an invalid path.\n");
        struct stat st {};
        EXPECT_TRUE(::lstat(link.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) << "link replaced";
        if (c.made) {
            EXPECT_EQ(test::ReadFile(folder.File(c.made)),
                      test::ReadFile(folder.File("expected.gwk")));
        }
    }
}

// One file bind-mounted over a name (as a file is handed into a container) cannot be replaced
// by renaming: it is written in place.
TEST(OddFiles, AFileBindMountedOverTheNameIsSavedInPlace) {
    TempFolder folder;
    const std::string demo = std::string(GLINTWICK_SOURCE_DIR) + "/examples/demo";
    const std::string source = folder.File("source"), mounted = folder.File("mounted");
    test::WriteFile(source, "the old file");
    test::WriteFile(mounted, "");
    if (::mount(source.c_str(), mounted.c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "no bind mount here: " << std::strerror(errno);
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
    } unmount{mounted};
    for (const auto& args : {std::vector<std::string>{"import", demo + ".json"},
                             std::vector<std::string>{"generate", demo + ".gwk"}}) {
        SCOPED_TRACE(args[0]);
        // The script is named after its file: the same name in another folder.
        const TempFolder other;
        const std::string expected = other.File("mounted");
        ASSERT_EQ(test::RunCli({args[0], args[1], expected}).exitCode, 0);
        const test::ChildResult run = test::RunCli({args[0], args[1], mounted});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(test::ReadFile(source), test::ReadFile(expected));
    }
}

// Each failure has its own message: what is no file is denied (a socket, a kernel file that
// takes no other content), a name longer than the file system allows is an invalid path.
// The command whose script cannot be written (a folder in its place) leaves no page of its own
// and an earlier page as it was.
TEST(OddFiles, APreviewWhoseScriptCannotBeWrittenLeavesThePageAsItWas) {
    test::TempFolder folder;
    const std::string demo = GLINTWICK_SOURCE_DIR "/examples/demo.gwk";
    for (const bool earlierPage : {false, true}) {
        SCOPED_TRACE(earlierPage ? "earlier page" : "new page");
        const std::string page = folder.File(earlierPage ? "earlier.html" : "fresh.html");
        const std::string script = folder.File(earlierPage ? "earlier.js" : "fresh.js");
        if (earlierPage) test::WriteFile(page, "my own page");
        ASSERT_EQ(::mkdir(script.c_str(), 0700), 0);
        const test::ChildResult run = test::RunCli({"preview", demo, page, "--force"});
        EXPECT_EQ(run.exitCode, 1) << run.err;
        if (earlierPage)
            EXPECT_EQ(test::ReadFile(page), "my own page");
        else
            EXPECT_FALSE(SomethingAt(page)) << "the page was left without its script";
    }
}

TEST(OddFiles, WhatIsNoFileOrNoNameHasItsMessage) {
    TempFolder folder;
    const std::string demo = std::string(GLINTWICK_SOURCE_DIR) + "/examples/demo.gwk";
    const std::string socketPath = folder.File("socket.gwk");
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::string longName = folder.File(std::string(253, 'n') + ".js");
    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"show", socketPath}, "Access to '" + socketPath + "' was denied."},
        {{"strip", "/proc/self/comm"}, "Access to '/proc/self/comm' was denied."},
        {{"generate", demo, longName}, "'" + longName + "' contains an invalid path."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        const test::ChildResult run = test::RunCli(c.args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "glintwick-cli: " + c.message + "\n");
    }
    ::close(socket);
}

// Standard output on a full device: every command that prints says so and fails, as GNU's tools
// do, where it exited 0 (or 1 without a word).
TEST(OddFiles, OutputThatCannotBeWrittenIsAWriteError) {
    TempFolder folder;
    const std::string demo = std::string(GLINTWICK_SOURCE_DIR) + "/examples/demo.gwk";
    const std::vector<std::vector<std::string>> commands = {{"show", demo},
                                                            {"--help"},
                                                            {"--version"},
                                                            {"frames", "0", "ab"},
                                                            {"generate", demo, folder.File("a.js")},
                                                            {"strip", folder.File("s.js")}};
    for (const auto& args : commands) {
        test::ChildLaunch launch;
        launch.stdoutPath = "/dev/full";
        const test::ChildResult run = test::RunCli(args, launch);
        EXPECT_EQ(run.exitCode, 1) << args[0];
        EXPECT_EQ(run.err, "glintwick-cli: write error: No space left on device\n") << args[0];
    }
}

}  // namespace
}  // namespace glintwick
