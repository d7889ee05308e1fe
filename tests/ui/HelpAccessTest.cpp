// Where the program finds its help book: beside itself, else in the installed data folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "ui/HelpAccess.h"

namespace glintwick {
namespace {

namespace fs = std::filesystem;

TEST(HelpAccessTest, TheBookBesideTheProgramComesFirstThenTheDataFolder) {
    const fs::path prefix = fs::temp_directory_path() / ("gwk-help-" + std::to_string(::getpid()));
    const struct {
        const char* program;             // under the prefix
        std::vector<const char*> books;  // present under the prefix
        const char* found;               // under the prefix
    } cases[] = {
        {"bin/glintwick",
         {"bin/glintwick.htb", "share/glintwick/glintwick.htb"},
         "bin/glintwick.htb"},
        {"bin/glintwick", {"share/glintwick/glintwick.htb"}, "share/glintwick/glintwick.htb"},
        {"bin/glintwick", {}, "bin/glintwick.htb"},
        {"bin/glintwick", {"share/glintwick.htb", "glintwick/glintwick.htb"}, "bin/glintwick.htb"},
        // A renamed program looks for a book of its own name in both places.
        {"bin/tool", {"share/glintwick/tool.htb"}, "share/glintwick/tool.htb"},
        {"bin/tool", {"share/glintwick/glintwick.htb"}, "bin/tool.htb"},
        {"opt/x/bin/glintwick",
         {"opt/x/share/glintwick/glintwick.htb"},
         "opt/x/share/glintwick/glintwick.htb"},
    };
    for (const auto& c : cases) {
        fs::remove_all(prefix);
        for (const char* book : c.books) {
            fs::create_directories((prefix / book).parent_path());
            std::ofstream(prefix / book) << "book";
        }
        EXPECT_EQ(FindHelpBook((prefix / c.program).string()), (prefix / c.found).string())
            << c.program << " with " << c.books.size() << " books";
    }
    fs::remove_all(prefix);
}

TEST(HelpAccessTest, TheBuildTreeUsesTheBookBesideItsProgram) {
    const fs::path book = GLINTWICK_HELP_BOOK;
    EXPECT_EQ(FindHelpBook((book.parent_path() / "glintwick").string()), book.string());
}

}  // namespace
}  // namespace glintwick
