// The real program's message boxes: none for settings it cannot keep, and those it shows fit.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/display.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "XProbe.h"

namespace glintwick::test {
namespace {

namespace fs = std::filesystem;

// The configuration folder cannot be made, as a file stands in its place. Opening a project and
// saving it both write the recent list, and neither may bring up a box (wx's own "Directory ...
// couldn't be created" did).
TEST(ProgramBoxes, NoneForAConfigFolderThatCannotBeMadeAtOpenOrSave) {
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
    // Any window but the main one and the toolkit's hidden one named after the program (by
    // its desktop id).
    auto another = [&] {
        return program.WaitForWindow(
            [&](const auto& t) { return t != caption && t != "example.orvane.glintwick"; }, 1500);
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

// X, Y, WIDTH and HEIGHT of the shown window titled `title`, as xdotool reports them.
std::map<std::string, int> ShownGeometry(const std::string& title) {
    std::map<std::string, int> geometry;
    const std::string command = "xdotool search --sync --onlyvisible --name '^" + title +
                                "$' getwindowgeometry --shell 2>/dev/null";
    FILE* out = ::popen(command.c_str(), "r");
    char name[64];
    int value = 0;
    while (out && std::fscanf(out, "%63[A-Z]=%d\n", name, &value) == 2) geometry[name] = value;
    if (out) ::pclose(out);
    return geometry;
}

// A path of kilobytes wrapped to more lines than the screen holds (one of 100 KB to more than
// X can draw), with the OK button below the screen's edge.
TEST(ProgramBoxes, AMessageNamingAPathOfKilobytesFitsTheScreenWithItsButton) {
    std::string path = "/tmp";
    while (path.size() < 8 * 1024) path += "/folder" + std::to_string(path.size());
    ChildProgram program({GLINTWICK_PROGRAM, path + "/missing.gwk"}, {"NO_AT_BRIDGE=1"});
    auto isBox = [](const std::string& title) { return title == "Glintwick"; };
    ASSERT_EQ(program.WaitForWindow(isBox, 30000), "Glintwick") << program.Stderr();
    auto box = ShownGeometry("Glintwick");
    ASSERT_EQ(box.count("HEIGHT"), 1u);
    const wxRect shown(box["X"], box["Y"], box["WIDTH"], box["HEIGHT"]);
    EXPECT_TRUE(wxDisplay(0u).GetGeometry().Contains(shown)) << shown.y << " + " << shown.height;
    program.CloseWindow("Glintwick");
    EXPECT_NE(program.Wait(10000), -1);
}

}  // namespace
}  // namespace glintwick::test
