// Registration of the .gwk type: written once, left alone when unchanged, never taking over.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ui/gtk/BackgroundTools.h"
#include "ui/gtk/FileTypeRegistration.h"

namespace glintwick {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class FileTypeRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("gwk-reg-" + std::to_string(::getpid()));
        fs::create_directories(root / "system");
        where.dataHome = (root / "home").string();
        where.dataDirs = (root / "system").string();
        where.program = "/opt/My Tools/glintwick";
    }
    void TearDown() override {
        // The databases' tools write into the folder until they end.
        EndBackgroundTools(std::chrono::seconds(10));
        fs::remove_all(root);
    }

    fs::path root;
    FileTypeRegistration where;
};

TEST_F(FileTypeRegistrationTest, WritesThePackageAndEntryOnceAndOnlyAgainWhenDifferent) {
    EXPECT_EQ(RegisterFileType(where), 2);
    const fs::path package = root / "home/mime/packages/glintwick.xml";
    const fs::path entry = root / "home/applications/OrvaneGWK.Document.desktop";
    EXPECT_NE(Read(package).find("<glob pattern=\"*.gwk\"/>"), std::string::npos);
    EXPECT_NE(Read(package).find("<comment>Glintwick Document</comment>"), std::string::npos);
    const std::string desktop = Read(entry);
    EXPECT_NE(desktop.find("Exec=\"/opt/My Tools/glintwick\" %f\n"), std::string::npos);
    EXPECT_NE(desktop.find("MimeType=application/x-glintwick-project;"), std::string::npos);
    EXPECT_NE(desktop.find("OrvaneGWK.Document"), std::string::npos);
    const auto stamp = fs::last_write_time(entry);
    EXPECT_EQ(RegisterFileType(where), 0) << "nothing changed, nothing written";
    EXPECT_EQ(fs::last_write_time(entry), stamp);
    where.program = "/usr/bin/glintwick";
    EXPECT_EQ(RegisterFileType(where), 1) << "a moved program updates its entry";
}

// Installed where its data folder declares the type, the program registers nothing per user and
// takes back what it registered before (which would outlive the package); run from elsewhere
// (a build tree) it registers itself, with TryExec.
TEST_F(FileTypeRegistrationTest, AnInstalledProgramLeavesTheTypeToItsInstallation) {
    where.program = (root / "system-prefix/bin/glintwick").string();
    EXPECT_EQ(RegisterFileType(where), 2) << "not installed yet";
    EXPECT_NE(Read(root / "home/applications/OrvaneGWK.Document.desktop")
                  .find("TryExec=" + where.program + "\n"),
              std::string::npos);
    std::ofstream(root / "home/applications/other.desktop") << "[Desktop Entry]\n";
    const fs::path data = root / "system-prefix/share";
    fs::create_directories(data / "mime/packages");
    fs::create_directories(data / "applications");
    fs::create_directories(root / "system-prefix/bin");
    std::ofstream(data / "mime/packages/glintwick.xml") << MimePackageText();
    std::ofstream(data / "applications/OrvaneGWK.Document.desktop")
        << DesktopEntryText("glintwick", true);
    std::ofstream(where.program) << "";
    where.dataDirs = data.string();
    EXPECT_EQ(RegisterFileType(where), 0);
    EXPECT_FALSE(fs::exists(root / "home/applications/OrvaneGWK.Document.desktop"));
    EXPECT_FALSE(fs::exists(root / "home/mime/packages/glintwick.xml"));
    EXPECT_TRUE(fs::exists(root / "home/applications/other.desktop")) << "not ours";
}

TEST_F(FileTypeRegistrationTest, NeverTakesOverATypeAnotherApplicationClaims) {
    fs::create_directories(root / "system/mime");
    std::ofstream(root / "system/mime/globs2") << "# glob list\n50:text/x-other-tool:*.gwk\n";
    EXPECT_EQ(RegisterFileType(where), 1);
    EXPECT_FALSE(fs::exists(root / "home/mime/packages/glintwick.xml"));
    const std::string desktop = Read(root / "home/applications/OrvaneGWK.Document.desktop");
    EXPECT_EQ(desktop.find("MimeType="), std::string::npos);
}

TEST_F(FileTypeRegistrationTest, InstalledFilesSayWhatTheProgramRegisters) {
    EXPECT_EQ(Read(GLINTWICK_SOURCE_DIR "/resources/desktop/glintwick.xml"), MimePackageText());
    // The system-wide entry finds the program on the PATH, so its Exec names it unquoted.
    std::string expected = DesktopEntryText("glintwick", true);
    const std::string quoted = "Exec=\"glintwick\"";
    expected.replace(expected.find(quoted), quoted.size(), "Exec=glintwick");
    EXPECT_EQ(Read(GLINTWICK_SOURCE_DIR "/resources/desktop/OrvaneGWK.Document.desktop"), expected);
}

// Program paths with the characters the Exec key treats specially, each beside a % (which takes
// the entry through a starter of its own), with an = (an assignment to env) and a leading - (an
// option): the entry is valid (desktop-file-validate) and GLib's own launcher (gio launch) starts
// exactly that program with the opened file, never the file itself. A path that cannot be written
// on one line is not registered.
TEST_F(FileTypeRegistrationTest, TheExecLineStartsTheProgramWithTheFileWhateverItsPathHolds) {
    const fs::path started = root / "started", ran = root / "file-ran";
    const fs::path file = root / "evil.gwk";
    std::ofstream(file) << "#!/bin/sh\ntouch '" << ran.string() << "'\n";
    fs::permissions(file, fs::perms::owner_all);
    std::vector<std::string> names = {"x=y%z", "-x%z", "100% sure", "-x", "x=y"};
    for (const char reserved : std::string(" \t\n\"'\\><~|&;$*?#()`"))
        names.push_back(std::string("a") + reserved + "b%c");
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const fs::path program = root / "bin" / name / "glintwick";
        fs::create_directories(program.parent_path());
        // Records its arguments, written whole then renamed, so the test never reads half.
        std::ofstream(program) << "#!/bin/sh\nprintf '%s|' \"$0\" \"$@\" > '" << started.string()
                               << ".part' && mv '" << started.string() << ".part' '"
                               << started.string() << "'\n";
        fs::permissions(program, fs::perms::owner_all);
        fs::remove(started);
        EndBackgroundTools(std::chrono::seconds(10));
        fs::remove_all(root / "home");
        where.program = program.string();
        const fs::path entry = root / "home/applications/OrvaneGWK.Document.desktop";
        if (name.find_first_of("\t\n") != std::string::npos) {
            EXPECT_EQ(RegisterFileType(where), 0);
            EXPECT_FALSE(fs::exists(entry));
            continue;
        }
        ASSERT_EQ(RegisterFileType(where), 2);
        const std::string validate = "desktop-file-validate '" + entry.string() + "'";
        EXPECT_EQ(std::system(validate.c_str()), 0) << Read(entry);
        const std::string launch =
            "gio launch '" + entry.string() + "' '" + file.string() + "' >/dev/null 2>&1";
        EXPECT_EQ(std::system(launch.c_str()), 0) << Read(entry);
        for (int i = 0; i < 500 && !fs::exists(started) && !fs::exists(ran); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(Read(started), program.string() + "|" + file.string() + "|") << Read(entry);
        EXPECT_FALSE(fs::exists(ran)) << "the opened file ran: " << Read(entry);
        fs::remove(ran);
    }
}

// A line break in the program's path would end the Exec line and let the path add keys; a
// path that is no UTF-8 makes an entry no launcher reads.
TEST_F(FileTypeRegistrationTest, AProgramPathWithAControlCharacterOrNoUtf8IsNotRegistered) {
    for (const char* program :
         {"/opt/x\nMimeType=text/html;", "/opt/tab\there", "/opt/del\x7F", "/opt/bad\xFFutf"}) {
        where.program = program;
        EXPECT_EQ(RegisterFileType(where), 0);
        EXPECT_FALSE(fs::exists(root / "home/applications/OrvaneGWK.Document.desktop"));
    }
}

TEST_F(FileTypeRegistrationTest, AnUnwritableDataFolderFailsSilently) {
    std::ofstream(root / "home") << "a file where the folder should be";
    EXPECT_EQ(RegisterFileType(where), 0);
}

}  // namespace
}  // namespace glintwick
