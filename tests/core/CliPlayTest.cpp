// glintwick-cli play in a terminal: what a text sends there cannot act on the terminal.
#include <gtest/gtest.h>

#include <csignal>

#include "TestSupport.h"
#include "model/ProjectFile.h"

namespace glintwick {
namespace {

// Screen clearing, a clipboard write (OSC 52), a bell, the code page's undefined 0x9D (the C1
// operating-system command), SOH and DEL: each shows as a visible character, nothing more.
TEST(CliPlay, ControlBytesReachTheTerminalInAVisibleInertForm) {
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.SetRepeat(1);
    test::Fill(doc, {{"A\x1b[2J\x1b]52;c;cHdu\x07"
                      "B\x9d\x01\x7f"
                      "C\tD",
                      11, 20, 1}});
    test::TempFolder folder;
    test::WriteFile(folder.File("controls.gwk"), SerializeProject(doc));
    const test::ChildResult played =
        test::RunCli({"play", folder.File("controls.gwk"), "--ticks", "30"});
    ASSERT_EQ(played.exitCode, 0) << played.err;

    // What is left once the player's own line clearing (CR, ESC [ K) is taken out.
    std::string shown = played.out;
    for (size_t at; (at = shown.find("\r\x1b[K")) != std::string::npos;) shown.erase(at, 4);
    for (size_t i = 0; i < shown.size(); ++i) {
        const auto b = static_cast<unsigned char>(shown[i]);
        EXPECT_FALSE(b < 0x20 || b == 0x7F) << "control byte " << int(b) << " at " << i;
        const bool c1 = b == 0xC2 && i + 1 < shown.size() &&
                        static_cast<unsigned char>(shown[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(shown[i + 1]) < 0xA0;
        EXPECT_FALSE(c1) << "C1 control at " << i;
    }
    EXPECT_NE(shown.find("A\u241b[2J\u241b]52;c;cHdu\u2407B\uFFFD\u2401\u2421C\u2409D"),
              std::string::npos)
        << shown;
}

// Ctrl+C ends play by the signal, after clearing its line, so a shell loop over projects stops
// (it exited 0, and the loop went on to the next file).
TEST(CliPlay, AnInterruptEndsPlayByTheSignal) {
    test::ChildLaunch launch;
    launch.argv = {"/usr/bin/timeout",
                   "--preserve-status",
                   "-s",
                   "INT",
                   "0.5",
                   GLINTWICK_CLI,
                   "play",
                   std::string(GLINTWICK_SOURCE_DIR) + "/examples/demo.gwk"};
    const test::ChildResult played = test::RunChild(launch);
    EXPECT_EQ(played.exitCode, 128 + SIGINT) << played.err;
    ASSERT_GE(played.out.size(), 4u);
    EXPECT_EQ(played.out.substr(played.out.size() - 4), "\r\x1b[K") << "the line is cleared";
}

}  // namespace
}  // namespace glintwick
