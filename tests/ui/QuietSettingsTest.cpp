// Settings that cannot be kept are not kept, quietly: the real program shows no box for them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "XProbe.h"

namespace glintwick::test {
namespace {

namespace fs = std::filesystem;

// The titles of the windows on show on this display (GTK keeps hidden ones of its own).
std::vector<std::string> ShownWindowTitles() {
    std::vector<std::string> titles;
    FILE* list = ::popen("xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null", "r");
    if (!list) return titles;
    char line[4096];
    while (std::fgets(line, sizeof line, list)) titles.emplace_back(line, std::strcspn(line, "\n"));
    ::pclose(list);
    return titles;
}

// The configuration folder cannot be made: a file stands at its place or above it. Opening a
// project and saving it both write the recent list, and neither may bring up a box (wx's own
// "Directory ... couldn't be created", for one).
TEST(QuietSettings, AConfigFolderThatCannotBeMadeBringsUpNoBoxAtOpenOrSave) {
    const fs::path root = fs::temp_directory_path() / ("gwk-quiet-" + std::to_string(::getpid()));
    fs::create_directories(root);
    std::ofstream(root / "a-file") << "no folder";
    const fs::path configs[] = {root / "a-file", root / "a-file" / "config"};
    for (size_t i = 0; i < std::size(configs); ++i) {
        const fs::path& config = configs[i];
        SCOPED_TRACE(config);
        const std::string name = "quiet-" + std::to_string(i) + ".gwk";
        const fs::path project = root / name;
        fs::copy_file(GLINTWICK_SOURCE_DIR "/examples/demo.gwk", project,
                      fs::copy_options::overwrite_existing);
        const auto before = fs::file_time_type::clock::now() - std::chrono::hours(1);
        fs::last_write_time(project, before);
        ChildProgram program({GLINTWICK_PROGRAM, project.string()},
                             {"XDG_CONFIG_HOME=" + config.string(),
                              "XDG_DATA_HOME=" + (root / "data").string(), "NO_AT_BRIDGE=1"});
        const std::string caption = name + " - Glintwick by Orvane";
        ASSERT_EQ(program.WaitForWindow([&](const std::string& t) { return t == caption; }, 20000),
                  caption)
            << program.Stderr();
        auto anotherWindow = [&] {
            for (int i = 0; i < 15; ++i, Pump(100))
                for (const std::string& title : ShownWindowTitles())
                    if (title != caption) return title;
            return std::string();
        };
        EXPECT_EQ(anotherWindow(), "") << "after opening";
        const std::string save = "xdotool search --name '^" + name +
                                 " - ' windowfocus --sync key --clearmodifiers ctrl+s";
        EXPECT_EQ(std::system(save.c_str()), 0);
        EXPECT_EQ(anotherWindow(), "") << "after saving";
        EXPECT_GT(fs::last_write_time(project), before) << "the project was not saved";
        program.CloseWindow(caption);
        EXPECT_EQ(program.Wait(10000), 0);
    }
    fs::remove_all(root);
}

}  // namespace
}  // namespace glintwick::test
