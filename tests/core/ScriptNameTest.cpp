// Which script names a page can call.
#include <gtest/gtest.h>

#include "script/ScriptName.h"

namespace glintwick {
namespace {

TEST(ScriptName, OnlyIdentifiersThePageDoesNotOwnAreUsable) {
    for (const char* good : {"promo", "my_effects", "$x", "caf\xE9", "effects2", "_"})
        EXPECT_TRUE(IsUsableScriptName(good)) << good;
    for (const char* bad :
         {"",       "my effects", "my-page", "2fast",  "page.h",   "status",   "name",
          "top",    "self",       "parent",  "length", "history",  "location", "event",
          "closed", "function",   "var",     "eval",   "doEffect", "stEffect3"})
        EXPECT_FALSE(IsUsableScriptName(bad)) << bad;
}

}  // namespace
}  // namespace glintwick
