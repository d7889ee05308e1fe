// Saves that meet other saves, signals and the leftovers of killed saves, with the real CLI.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <future>
#include <thread>

#include "TestSupport.h"
#include "model/platform/SafeFile.h"

namespace glintwick {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

std::string Cli() {
    const char* other = std::getenv("GLINTWICK_TEST_CLI");
    return other && *other ? other : GLINTWICK_CLI;
}

// glintwick-cli ARGS under strace, which tampers with one system call as `injection` says
// (strace(1), -e inject): a signal or a delay at a chosen point inside the save.
test::ChildResult RunCliTampered(const std::string& call, const std::string& injection,
                                 const std::vector<std::string>& args) {
    test::ChildLaunch launch;
    launch.argv = {"/usr/bin/strace",
                   "-qq",
                   "-o",
                   "/dev/null",
                   "-e",
                   "trace=" + call,
                   "-e",
                   "inject=" + call + ":" + injection,
                   "--",
                   Cli()};
    launch.argv.insert(launch.argv.end(), args.begin(), args.end());
    return test::RunChild(launch);
}

// A project of one effect whose text is `text`, as JSON for import.
std::string ProjectJson(const std::string& text) {
    return R"({"finalText":"","autoStart":1,"repeat":1,"effects":[{"text":")" + text +
           R"(","effect":0,"speed":10,"loops":1}]})";
}

// Two processes save in place into one file with two names: the second while the first is
// held between its write and its truncation. The file ends as exactly one of the projects.
TEST(SaveInterruption, InPlaceSavesOfTwoProcessesDoNotMix) {
    if (test::BuiltWithAddressSanitizer())
        GTEST_SKIP() << "the sanitizer's runtime makes system calls of its own, which the "
                        "injection would hit, and LeakSanitizer cannot run under ptrace";
    TempFolder folder;
    const std::string target = folder.File("shared.gwk");
    const std::string shortJson = folder.File("short.json"), longJson = folder.File("long.json");
    WriteFile(shortJson, ProjectJson("short"));
    WriteFile(longJson, ProjectJson(std::string(300, 'L')));
    std::string expected[2];
    for (int i = 0; i < 2; ++i) {
        const std::string scratch = folder.File("expected" + std::to_string(i));
        ASSERT_EQ(test::RunCli({"import", i == 0 ? shortJson : longJson, scratch}).exitCode, 0);
        expected[i] = ReadFile(scratch);
    }
    WriteFile(target, std::string(1000, 'o'));
    ASSERT_EQ(::link(target.c_str(), folder.File("second-name.gwk").c_str()), 0);

    auto held = std::async(std::launch::async, [&] {
        return RunCliTampered("ftruncate", "delay_enter=2000000", {"import", shortJson, target});
    });
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (ReadFile(target).compare(0, expected[0].size(), expected[0]) != 0) {
        ASSERT_LT(std::chrono::steady_clock::now(), giveUp) << "the first save never wrote";
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(test::RunCli({"import", longJson, target}).exitCode, 0);
    EXPECT_EQ(held.get().exitCode, 0);
    const std::string result = ReadFile(target);
    EXPECT_TRUE(result == expected[0] || result == expected[1])
        << "the file is neither project: " << result.size() << " bytes";
}

// Sets a signal to its default action for a scope, so that the CLI inherits no ignored
// SIGINT or SIGHUP from however the tests were started.
class DefaultAction {
public:
    explicit DefaultAction(int signal) : m_signal(signal) {
        m_previous = std::signal(signal, SIG_DFL);
    }
    ~DefaultAction() { std::signal(m_signal, m_previous); }

private:
    int m_signal;
    void (*m_previous)(int);
};

// A signal that ends the CLI inside a save ends it as that signal (so a shell sees it) and
// leaves the old file and no temporary file; one that comes while a file is written in place
// waits until the file is whole.
TEST(SaveInterruption, ASignalInsideASaveLeavesNoTemporaryFileNorAHalfFile) {
    if (test::BuiltWithAddressSanitizer())
        GTEST_SKIP() << "the sanitizer's runtime makes system calls of its own, which the "
                        "injection would hit, and LeakSanitizer cannot run under ptrace";
    const std::string demo = std::string(GLINTWICK_SOURCE_DIR) + "/examples/demo.json";
    struct Case {
        int signal;
        const char* call;  // the save is inside it when the signal comes
        bool linked;
    } cases[] = {{SIGTERM, "fsync", false},
                 {SIGINT, "fsync", false},
                 {SIGHUP, "fsync", false},
                 {SIGTERM, "write", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(strsignal(c.signal)) + " in " + c.call);
        TempFolder folder;
        const std::string target = folder.File("show.gwk");
        ASSERT_EQ(test::RunCli({"import", demo, folder.File("new")}).exitCode, 0);
        const std::string updated = ReadFile(folder.File("new"));
        const std::string old(2 * updated.size(), 'o');
        WriteFile(target, old);
        if (c.linked) {
            ASSERT_EQ(::link(target.c_str(), folder.File("link").c_str()), 0);
        }
        const std::vector<std::string> entries = folder.Entries();

        const DefaultAction standard(c.signal);
        const std::string injection = "signal=" + std::to_string(c.signal) + ":when=1";
        const test::ChildResult run = RunCliTampered(c.call, injection, {"import", demo, target});
        EXPECT_EQ(run.signal, c.signal) << "exit " << run.exitCode << ": " << run.err;
        EXPECT_TRUE(ReadFile(target) == (c.linked ? updated : old)) << "the file was mixed";
        EXPECT_EQ(folder.Entries(), entries) << "a temporary file was left";
    }
}

// A killed save's temporary file, whose process is gone, is removed at the window program's
// start (from the recent files' folders) and before the next save into its folder; a running
// save's file stays.
TEST(SaveInterruption, AKilledSavesTemporaryFileIsRemovedLater) {
    const pid_t gone = ::fork();
    if (gone == 0) _exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string stale = ".glintwick-" + std::to_string(gone) + "-AbC123";
    const std::string running = ".glintwick-" + std::to_string(::getpid()) + "-AbC123";
    struct Case {
        const char* when;
        std::function<void(const TempFolder&)> act;
    } cases[] = {
        {"at start", [](const TempFolder& f) { RemoveAbandonedSaves({f.File("recent.gwk")}); }},
        {"before a save",
         [](const TempFolder& f) {
             const std::string demo = std::string(GLINTWICK_SOURCE_DIR) + "/examples/demo.json";
             EXPECT_EQ(test::RunCli({"import", demo, f.File("recent.gwk")}).exitCode, 0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when);
        TempFolder folder;
        for (const std::string& name : {stale, running}) {
            WriteFile(folder.File(name), "half a project");
            // Last written an hour ago, as a save killed before this run.
            const timespec times[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, folder.File(name).c_str(), times, 0), 0);
        }
        c.act(folder);
        const std::vector<std::string> entries = folder.Entries();
        EXPECT_EQ(std::count(entries.begin(), entries.end(), stale), 0);
        EXPECT_EQ(std::count(entries.begin(), entries.end(), running), 1);
    }
}

}  // namespace
}  // namespace glintwick
