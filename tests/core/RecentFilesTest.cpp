// The recent-file list's order and cap, and path abbreviation.
#include <gtest/gtest.h>

#include "model/RecentFiles.h"

namespace glintwick {
namespace {

TEST(RecentFiles, NewestFirstFourAtMostNoDuplicates) {
    CRecentFiles recent;
    for (const char* p : {"/a.gwk", "/b.gwk", "/c.gwk", "/d.gwk", "/e.gwk"}) recent.Add(p);
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"/e.gwk", "/d.gwk", "/c.gwk", "/b.gwk"}));
    recent.Add("/c.gwk");
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"/c.gwk", "/e.gwk", "/d.gwk", "/b.gwk"}));
    recent.Remove("/e.gwk");
    EXPECT_EQ(recent.Paths().size(), 3u);
    recent.Assign({"/1", "", "/2", "/1"});
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"/1", "/2"}));
}

TEST(RecentFiles, PathsAreShortenedToThirtyCharactersKeepingTheName) {
    EXPECT_EQ(AbbreviatePath("/home/ann/site.gwk"), "/home/ann/site.gwk");
    const std::string shortened = AbbreviatePath("/home/ann/projects/web/2026/summer/site.gwk");
    EXPECT_LE(shortened.size(), 30u);
    EXPECT_EQ(shortened, "/.../web/2026/summer/site.gwk");
    EXPECT_EQ(AbbreviatePath("/home/ann/a-very-long-project-name-indeed.gwk"),
              "a-very-long-project-name-in...");
    EXPECT_EQ(AbbreviatePath("/x/" + std::string(28, 'n')), std::string(28, 'n'));
    EXPECT_EQ(AbbreviatePath("rel/folder/deeper/and/deeper/file.gwk"),
              "rel/.../and/deeper/file.gwk");
}

// Lengths are characters of the UTF-8 name, the limit is exact and a cut never splits one.
TEST(RecentFiles, AbbreviationCountsCharactersToTheExactLimit) {
    const std::string e = "\xC3\xA9";  // é
    auto times = [](const std::string& s, int n) {
        std::string out;
        for (int i = 0; i < n; ++i) out += s;
        return out;
    };
    const struct {
        std::string path, shown;
    } cases[] = {
        {"/home/ann/long/" + times(e, 17) + ".gwk", "/.../" + times(e, 17) + ".gwk"},
        {"/" + times(e, 29), "/" + times(e, 29)},
        {"/" + times("a", 29), "/" + times("a", 29)},
        {"/" + times("a", 30), times("a", 30)},
        {"/x/" + times(e, 40), times(e, 27) + "..."},
        {"/aaaa/bbbb/" + times("n", 25), "/.../" + times("n", 25)},
        {"/aaaa/bbbb/" + times("n", 26), times("n", 26)},
    };
    for (const auto& c : cases) EXPECT_EQ(AbbreviatePath(c.path), c.shown) << c.path;
}

}  // namespace
}  // namespace glintwick
