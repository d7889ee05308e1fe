// Message boxes of the real program fit the screen, however long the path they name.
#include <gtest/gtest.h>
#include <wx/display.h>

#include <cstdio>
#include <map>
#include <string>

#include "XProbe.h"

namespace glintwick::test {
namespace {

// X, Y, WIDTH and HEIGHT of the shown window titled `title`, as xdotool reports them.
std::map<std::string, int> ShownGeometry(const std::string& title) {
    std::map<std::string, int> geometry;
    const std::string command = "xdotool search --sync --onlyvisible --name '^" + title +
                                "$' getwindowgeometry --shell 2>/dev/null";
    FILE* out = ::popen(command.c_str(), "r");
    if (!out) return geometry;
    char name[64];
    int value = 0;
    while (std::fscanf(out, "%63[A-Z]=%d\n", name, &value) == 2) geometry[name] = value;
    ::pclose(out);
    return geometry;
}

// A path of kilobytes wrapped to more lines than the screen holds (one of 100 KB to more than
// X can draw), with the OK button below the screen's edge.
TEST(MessageBoxFit, AMessageNamingAPathOfKilobytesFitsTheScreenWithItsButton) {
    std::string path = "/tmp";
    while (path.size() < 8 * 1024) path += "/folder" + std::to_string(path.size());
    ChildProgram program({GLINTWICK_PROGRAM, path + "/missing.gwk"}, {"NO_AT_BRIDGE=1"});
    auto isBox = [](const std::string& title) { return title == "Glintwick"; };
    ASSERT_EQ(program.WaitForWindow(isBox, 30000), "Glintwick") << program.Stderr();
    auto box = ShownGeometry("Glintwick");
    const wxRect screen = wxDisplay(0u).GetGeometry();
    EXPECT_GE(box["X"], 0);
    EXPECT_GE(box["Y"], 0);
    EXPECT_GT(box["HEIGHT"], 0);
    EXPECT_LE(box["X"] + box["WIDTH"], screen.width);
    EXPECT_LE(box["Y"] + box["HEIGHT"], screen.height);
    program.CloseWindow("Glintwick");
    EXPECT_NE(program.Wait(10000), -1);
}

}  // namespace
}  // namespace glintwick::test
