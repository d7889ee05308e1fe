// The recent-file list's order and cap, path abbreviation and the script-name check.
#include <gtest/gtest.h>

#include "model/RecentFiles.h"
#include "script/ScriptName.h"

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
    EXPECT_EQ(AbbreviatePath("rel/folder/deeper/and/deeper/file.gwk"), "rel/.../and/deeper/file.gwk");
}

TEST(ScriptName, OnlyIdentifiersThePageDoesNotOwnAreUsable) {
    for (const char* good : {"promo", "my_effects", "$x", "caf\xE9", "effects2", "_"})
        EXPECT_TRUE(IsUsableScriptName(good)) << good;
    for (const char* bad : {"", "my effects", "my-page", "2fast", "page.h", "status", "name",
                            "top", "self", "parent", "length", "history", "location", "event",
                            "closed", "function", "var", "eval", "doEffect", "stEffect3"})
        EXPECT_FALSE(IsUsableScriptName(bad)) << bad;
}

}  // namespace
}  // namespace glintwick
