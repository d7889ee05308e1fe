// Crafted project files through the loader and through glintwick-cli, with peak memory.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <iostream>

#include "../HostileFiles.h"
#include "TestSupport.h"
#include "model/FileError.h"
#include "model/ProjectFile.h"
#include "preview/PreviewPlayer.h"

extern char** environ;

namespace glintwick {
namespace {

struct CliRun {
    int status;
    long peakKb;
    std::string errors;
};

// Runs glintwick-cli ARGS with stderr in a file; the child's own peak resident size comes back.
CliRun RunCli(const std::vector<std::string>& args, const std::string& errorsPath) {
    std::vector<char*> argv{const_cast<char*>(GLINTWICK_CLI)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errorsPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    CliRun run{-1, 0, ""};
    if (posix_spawn(&pid, GLINTWICK_CLI, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.peakKb = usage.ru_maxrss;
    }
    posix_spawn_file_actions_destroy(&actions);
    run.errors = test::ReadFile(errorsPath);
    return run;
}

TEST(HostileFiles, EachLoadsOrIsRefusedExactlyAndPlays) {
    test::TempFolder folder;
    for (const auto& file : test::HostileFiles()) {
        SCOPED_TRACE(file.name);
        const std::string path = folder.File(file.name + ".gwk");
        test::WriteFile(path, file.bytes);

        CTallowmereDoc doc;
        std::string message;
        try {
            LoadProject(doc, path);
        } catch (const CFileFailure& failure) {
            message = failure.Message();
        }
        EXPECT_EQ(message, file.loads ? "" : "Unexpected file format.");
        EXPECT_EQ(doc.GetCount(), file.effectCount);

        // The player never stalls on a loaded file: a pass ends within a bounded number of ticks
        // unless the file itself asks for endless play (repeat or loops below 1).
        if (file.loads && doc.GetRepeat() > 0 && doc.GetAt(0)->GetLoops() >= 0) {
            CPreviewPlayer player(doc);
            player.Start();
            bool stopped = false;
            for (int tick = 0; tick < 50'000'000 && !stopped; ++tick)
                stopped = player.Tick().action == PlayerTick::Action::Stop;
            EXPECT_TRUE(stopped);
        }

    }
}

// A separate case, so that it runs in a small process of its own: a child started from a large
// process inherits the parent's peak in its own count on Linux.
TEST(HostileFiles, TheCliRefusesOrShowsEachWithBoundedMemory) {
    test::TempFolder folder;
    for (const auto& file : test::HostileFiles()) {
        SCOPED_TRACE(file.name);
        const std::string path = folder.File(file.name + ".gwk");
        test::WriteFile(path, file.bytes);
        const CliRun shown = RunCli({"show", path}, folder.File("errors.txt"));
        EXPECT_EQ(shown.status, file.loads ? 0 : 1);
        EXPECT_EQ(shown.errors, file.loads ? "" : "Unexpected file format.\n");
        EXPECT_LT(shown.peakKb, 64 * 1024) << "the CLI's peak resident size";
        std::cout << "  " << file.name << ": glintwick-cli show peak RSS " << shown.peakKb << " KiB\n";
        if (file.loads) {
            const CliRun generated = RunCli({"generate", path, folder.File("out.js")}, folder.File("errors.txt"));
            EXPECT_EQ(generated.status, 0) << generated.errors;
        }
    }
}

}  // namespace
}  // namespace glintwick
