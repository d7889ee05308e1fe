// Crafted project files through the loader and through glintwick-cli, with peak memory.
#include <gtest/gtest.h>

#include <iostream>
#include <vector>

#include "../HostileFiles.h"
#include "ChildProcess.h"
#include "TestSupport.h"
#include "model/FileError.h"
#include "model/ProjectFile.h"
#include "preview/PreviewPlayer.h"

namespace glintwick {
namespace {

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

// The peak is the CLI's own, whatever this process held before (RunChild starts it from a small
// process of its own).
TEST(HostileFiles, TheCliRefusesOrShowsEachWithBoundedMemory) {
    test::TempFolder folder;
    for (const auto& file : test::HostileFiles()) {
        SCOPED_TRACE(file.name);
        const std::string path = folder.File(file.name + ".gwk");
        test::WriteFile(path, file.bytes);
        const test::ChildResult shown = test::RunCli({"show", path});
        EXPECT_EQ(shown.exitCode, file.loads ? 0 : 1);
        EXPECT_EQ(shown.err,
                  file.loads ? "" : "glintwick-cli: '" + path + "': Unexpected file format.\n");
        EXPECT_LT(shown.peakKb, 64 * 1024) << "the CLI's peak resident size";
        std::cout << "  " << file.name << ": glintwick-cli show peak RSS " << shown.peakKb
                  << " KiB\n";
        if (file.loads) {
            const test::ChildResult generated =
                test::RunCli({"generate", path, folder.File("out.js")});
            EXPECT_EQ(generated.exitCode, 0) << generated.err;
        }
    }
}

}  // namespace
}  // namespace glintwick
