// Settings that cannot be kept are not kept, quietly: the real program shows no box for them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "XProbe.h"

namespace glintwick::test {
namespace {

namespace fs = std::filesystem;

// The configuration folder cannot be made, as a file stands in its place. Opening a project and
// saving it both write the recent list, and neither may bring up a box (wx's own "Directory ...
// couldn't be created" did).
TEST(QuietSettings, AConfigFolderThatCannotBeMadeBringsUpNoBoxAtOpenOrSave) {
    const fs::path root = fs::temp_directory_path() / ("gwk-quiet-" + std::to_string(::getpid()));
    fs::create_directories(root);
    std::ofstream(root / "config") << "no folder";
    const fs::path project = root / "quiet.gwk";
    fs::copy_file(GLINTWICK_SOURCE_DIR "/examples/demo.gwk", project);
    const auto before = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(project, before);
    ChildProgram program({GLINTWICK_PROGRAM, project.string()},
                         {"XDG_CONFIG_HOME=" + (root / "config").string(), "NO_AT_BRIDGE=1"});
    const std::string caption = "quiet.gwk - Glintwick by Orvane";
    ASSERT_EQ(program.WaitForWindow([&](const std::string& t) { return t == caption; }, 20000),
              caption);
    // Any window but the main one and the toolkit's hidden one named after the program.
    auto another = [&] {
        return program.WaitForWindow(
            [&](const auto& t) { return t != caption && t != "glintwick"; }, 1500);
    };
    EXPECT_EQ(another(), "") << "after opening";
    EXPECT_EQ(std::system("xdotool search --name '^quiet.gwk - ' windowfocus --sync key ctrl+s"),
              0);
    EXPECT_EQ(another(), "") << "after saving";
    EXPECT_GT(fs::last_write_time(project), before) << "the project was not saved";
    program.CloseWindow(caption);
    EXPECT_EQ(program.Wait(10000), 0);
    fs::remove_all(root);
}

}  // namespace
}  // namespace glintwick::test
