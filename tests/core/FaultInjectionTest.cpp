// Saves and script generation failing at every byte, as on a full disk: nothing is lost.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

#include "TestSupport.h"
#include "model/FileError.h"
#include "model/ProjectFile.h"
#include "model/platform/SafeFile.h"
#include "script/ScriptWriter.h"

namespace glintwick {
namespace {

// A write that succeeds for the first `g_budget` bytes in total, then fails with ENOSPC.
size_t g_budget = 0;
WriteCall g_realWrite = nullptr;
ssize_t LimitedWrite(int fd, const void* data, size_t size) {
    if (g_budget == 0) {
        errno = ENOSPC;
        return -1;
    }
    const size_t now = std::min(size, g_budget);
    g_budget -= now;
    return g_realWrite(fd, data, now);
}

class FaultInjection : public ::testing::Test {
protected:
    void SetUp() override {
        doc.InitNewProject();
        doc.SetOptions("Thanks for visiting", doc.GetAutoStart());
        test::Fill(
            doc, {{"Welcome to my page", 5, 12, 2}, {"Have fun", 10, 20, 1}, {"C:\\new", 3, 7, 1}});
        doc.SetModified(true);
        doc.SetPathName(target);
        test::WriteFile(target, "the previous file");
        g_realWrite = FileWriteCall();
        FileWriteCall() = &LimitedWrite;
    }
    void TearDown() override { FileWriteCall() = g_realWrite; }

    // Runs `write` with every byte budget short of the full size; returns how many ran.
    template <typename Write>
    size_t FailAtEveryByte(size_t fullSize, Write&& write, const std::string& path) {
        const std::string old = test::ReadFile(path);
        const std::vector<std::string> entries = folder.Entries();
        size_t cases = 0;
        for (size_t budget = 0; budget < fullSize; ++budget, ++cases) {
            g_budget = budget;
            try {
                write();
                ADD_FAILURE() << "a write cut after " << budget << " bytes reported success";
            } catch (const CFileFailure& failure) {
                EXPECT_EQ(failure.Message(), "Disk full while accessing " + path + ".") << budget;
            }
            EXPECT_EQ(test::ReadFile(path), old) << budget;
            EXPECT_EQ(folder.Entries(), entries) << "temporary file left after " << budget;
        }
        return cases;
    }

    test::TempFolder folder;
    std::string target = folder.File("show.gwk");
    CTallowmereDoc doc;
};

TEST_F(FaultInjection, ProjectSaveKeepsTheOldFileFlagAndPathAtEveryFailingByte) {
    const size_t size = SerializeProject(doc).size();
    doc.SetPathName(folder.File("elsewhere.gwk"));
    const size_t cases = FailAtEveryByte(
        size, [&] { SaveProject(doc, target); }, target);
    EXPECT_EQ(cases, size);
    std::cout << "  project save failed at each of " << cases << " byte counts\n";
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), folder.File("elsewhere.gwk"));
    g_budget = size;
    SaveProject(doc, target);
    EXPECT_EQ(test::ReadFile(target), SerializeProject(doc));
}

// A file with a second name is written in place: what was written is put back, whether the new
// content is longer or shorter than the old.
// A second name, as Windows tests make it with their own calls.
#ifndef _WIN32
TEST_F(FaultInjection, InPlaceSavePutsTheOldContentBackAtEveryFailingByte) {
    ASSERT_EQ(::link(target.c_str(), folder.File("second-name.gwk").c_str()), 0);
    const size_t size = SerializeProject(doc).size();
    for (const std::string& old : {std::string("short"), std::string(3 * size, 'o')}) {
        SCOPED_TRACE(old.size());
        test::WriteFile(target, old);
        EXPECT_EQ(FailAtEveryByte(
                      size, [&] { SaveProject(doc, target); }, target),
                  size);
    }
}
#endif

TEST_F(FaultInjection, ScriptGenerationKeepsTheOldScriptAtEveryFailingByte) {
    const std::string script = folder.File("show.js");
    std::rename(target.c_str(), script.c_str());
    const size_t size = WriteScript(doc, "show.js").size();
    const size_t cases = FailAtEveryByte(
        size, [&] { GenerateScriptFile(doc, script, "show.js"); }, script);
    EXPECT_EQ(cases, size);
    std::cout << "  script generation failed at each of " << cases << " byte counts\n";
}

}  // namespace
}  // namespace glintwick
