// The engine's file services on Windows: sharing modes, the error table, attributes, names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <iostream>

#include "TestSupport.h"
#include "model/FileError.h"
#include "model/PathParts.h"
#include "model/ProjectFile.h"
#include "model/RecentFiles.h"
#include "model/platform/FileSystem.h"
#include "model/platform/Process.h"
#include "model/platform/RegularFile.h"
#include "model/platform/SafeFile.h"
#include "model/platform/win32/Win32Files.h"
#include "script/ScriptWriter.h"

namespace glintwick {
namespace {

// Every message of the table, reached from a system error of its kind.
TEST(Win32Errors, MapToTheFileErrorTable) {
    const struct {
        DWORD error;
        const char* message;
    } cases[] = {
        {ERROR_FILE_NOT_FOUND, "X was not found."},
        {ERROR_PATH_NOT_FOUND, "X contains an invalid path."},
        {ERROR_TOO_MANY_OPEN_FILES, "X could not be opened because there are too many open files."},
        {ERROR_ACCESS_DENIED, "Access to X was denied."},
        {ERROR_INVALID_HANDLE, "An invalid file handle was associated with X."},
        {ERROR_CANNOT_MAKE, "X could not be created because the directory is full."},
        {ERROR_SEEK, "Seek failed on X"},
        {ERROR_CRC, "A hardware I/O error was reported while accessing X."},
        {ERROR_SHARING_VIOLATION, "A sharing violation occurred while accessing X."},
        {ERROR_UNABLE_TO_REMOVE_REPLACED, "A sharing violation occurred while accessing X."},
        {ERROR_LOCK_VIOLATION, "A locking violation occurred while accessing X."},
        {ERROR_DISK_FULL, "Disk full while accessing X."},
        {ERROR_HANDLE_EOF, "An attempt was made to access X past its end."},
        {12345, "An unknown error occurred while accessing X."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CFileFailure(CauseFromWin32Error(c.error), "X").Message(), c.message) << c.error;
}

// Another program's handle on a file, with the access and sharing it asked for.
CHandle Hold(const std::string& path, DWORD access, DWORD share) {
    CHandle held(::CreateFileW(WidePath(path).c_str(), access, share, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_TRUE(held.IsOpen()) << path;
    return held;
}

std::string Sharing(const std::string& path) {
    return "A sharing violation occurred while accessing " + path + ".";
}

class SharedFile : public ::testing::Test {
protected:
    void SetUp() override {
        doc.InitNewProject();
        test::Fill(doc, {{"Held", 3, 12, 2}});
        SaveProject(doc, project);
    }
    test::TempFolder folder;
    std::string project = folder.File("held.gwk");
    CTallowmereDoc doc;
};

// Loading allows others to read meanwhile, not to write; saving and generating are exclusive.
TEST_F(SharedFile, AReaderThatDeniesWritingLetsALoadThroughAndStopsSaves) {
    const std::string before = test::ReadFile(project);
    const CHandle reader = Hold(project, GENERIC_READ, FILE_SHARE_READ);
    CTallowmereDoc loaded;
    EXPECT_EQ(test::LoadMessage(loaded, project), "");
    EXPECT_EQ(loaded.GetCount(), 1);
    doc.SetModified(true);
    EXPECT_EQ(test::SaveMessage(doc, project), Sharing(project));
    EXPECT_TRUE(doc.IsModified());
    const std::string script = folder.File("held.js");
    test::WriteFile(script, "old script");
    const CHandle scriptReader = Hold(script, GENERIC_READ, FILE_SHARE_READ);
    try {
        GenerateScriptFile(doc, script, "held.js");
        ADD_FAILURE() << "generated over a held script";
    } catch (const CFileFailure& failure) {
        EXPECT_EQ(failure.Message(), Sharing(script));
    }
    EXPECT_EQ(test::ReadFile(project), before);
    EXPECT_EQ(test::ReadFile(script), "old script");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"held.gwk", "held.js"}));
}

TEST_F(SharedFile, AWriterOrAnExclusiveHolderStopsALoadAndLeavesTheProject) {
    for (const auto& [access, share] :
         {std::pair<DWORD, DWORD>{GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE},
          std::pair<DWORD, DWORD>{GENERIC_READ, 0}}) {
        const CHandle holder = Hold(project, access, share);
        CTallowmereDoc open;
        test::Fill(open, {{"Open", 0, 10, 1}, {"Kept", 1, 10, 1}});
        EXPECT_EQ(test::LoadMessage(open, project), Sharing(project));
        EXPECT_EQ(open.GetCount(), 2) << "the open project stays as it was";
    }
}

TEST_F(SharedFile, AnOpenProjectFileMayBeReadButNotWrittenByOthers) {
    uint64_t size = 0;
    const CFileDescriptor opened = OpenRegularFile(project, size);
    EXPECT_EQ(size, test::ReadFile(project).size());
    EXPECT_TRUE(Hold(project, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE).IsOpen());
    const CHandle writer(::CreateFileW(WidePath(project).c_str(), GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_FALSE(writer.IsOpen());
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
}

TEST_F(SharedFile, TheReadOnlyAttributeMeansReadOnly) {
    ASSERT_TRUE(::SetFileAttributesW(WidePath(project).c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string before = test::ReadFile(project);
    EXPECT_FALSE(IsWritableFile(project));
    EXPECT_EQ(test::SaveMessage(doc, project), "Access to " + project + " was denied.");
    EXPECT_EQ(test::ReadFile(project), before);
    ::SetFileAttributesW(WidePath(project).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(IsWritableFile(project));
    EXPECT_FALSE(IsWritableFile(folder.Path()));
}

TEST_F(SharedFile, ASaveReplacesTheFileAndKeepsItsAttributes) {
    const std::wstring wide = WidePath(project);
    ASSERT_TRUE(::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    test::Fill(doc, {{"Second", 5, 7, 1}});
    EXPECT_EQ(test::SaveMessage(doc, project), "");
    EXPECT_EQ(test::ReadFile(project), SerializeProject(doc));
    EXPECT_TRUE(::GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"held.gwk"});
}

TEST_F(SharedFile, AFileWithAnotherHardLinkIsWrittenInPlace) {
    const std::string other = folder.File("other name.gwk");
    ASSERT_TRUE(::CreateHardLinkW(WidePath(other).c_str(), WidePath(project).c_str(), nullptr));
    test::Fill(doc, {{"Seen through both names", 2, 9, 3}});
    EXPECT_EQ(test::SaveMessage(doc, project), "");
    EXPECT_EQ(test::ReadFile(other), SerializeProject(doc));
    EXPECT_TRUE(IsSameFile(project, other));
    // A shorter content cuts the file to its length.
    doc.DeleteEffect(1);
    EXPECT_EQ(test::SaveMessage(doc, other), "");
    EXPECT_EQ(test::ReadFile(project), SerializeProject(doc));
}

// A write call that lets `g_budget` more bytes through, then fails as a full disk does.
size_t g_budget = 0;
WriteCall g_realWrite = nullptr;
ssize_t BudgetedWrite(int fd, const void* data, size_t size) {
    if (g_budget == 0) {
        errno = ENOSPC;
        return -1;
    }
    const size_t now = std::min(size, g_budget);
    g_budget -= now;
    return g_realWrite(fd, data, now);
}

// Written in place, a save that fails part-way leaves the old bytes and length, whether the
// new content is shorter or longer than the old and whether it failed before or past the old
// end.
TEST_F(SharedFile, AnInPlaceSaveCutShortPutsTheOldBytesBack) {
    ASSERT_TRUE(::CreateHardLinkW(WidePath(folder.File("other name.gwk")).c_str(),
                                  WidePath(project).c_str(), nullptr));
    test::Fill(doc, {{"Longer than the old content", 2, 9, 3}, {"and more", 1, 5, 1}});
    const size_t size = SerializeProject(doc).size();
    g_realWrite = FileWriteCall();
    FileWriteCall() = &BudgetedWrite;
    struct Restore {
        ~Restore() { FileWriteCall() = g_realWrite; }
    } restore;
    for (const size_t oldSize : {size / 2, 3 * size}) {
        std::string old(oldSize, '\0');
        for (size_t i = 0; i < oldSize; ++i) old[i] = static_cast<char>('a' + i % 26);
        for (const size_t budget :
             {size_t{0}, size_t{1}, size / 2 - 1, size / 2, size / 2 + 1, size - 1}) {
            test::WriteFile(project, old);
            g_budget = budget;
            EXPECT_EQ(test::SaveMessage(doc, project), "Disk full while accessing " + project + ".")
                << oldSize << " old bytes, " << budget << " written";
            EXPECT_EQ(test::ReadFile(project), old)
                << oldSize << " old bytes, " << budget << " written";
        }
    }
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"held.gwk", "other name.gwk"}));
}

// True when the folder's file system can hold `name` (NTFS can hold any 16-bit unit; Wine's
// folders live on a Linux file system, which cannot hold an unpaired surrogate).
bool FileSystemHolds(const test::TempFolder& folder, const std::wstring& name) {
    const std::wstring probe = WidePath(folder.File("probe-")) + name;
    const CHandle file(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsOpen() && ::DeleteFileW(probe.c_str());
}

TEST(WideNames, AnyNameWindowsAllowsSavesLoadsAndKeepsItsSpelling) {
    test::TempFolder folder;
    std::vector<std::string> names = {
        "Pr\xC3\xBC"
        "fung \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\x89.gwk"};
    const std::wstring lone{L'x', static_cast<wchar_t>(0xD800), L'y', L'.', L'g', L'w', L'k'};
    if (FileSystemHolds(folder, lone))
        names.push_back(PathFromWide(lone));
    else
        std::cout
            << "  this file system cannot hold an unpaired surrogate; that name is left out\n";
    for (const std::string& name : names) {
        CTallowmereDoc doc;
        doc.InitNewProject();
        test::Fill(doc, {{"Caf\xE9", 4, 11, 2}});
        const std::string path = folder.File(name);
        ASSERT_EQ(test::SaveMessage(doc, path), "") << name;
        EXPECT_EQ(doc.GetTitle(), name);
        WIN32_FIND_DATAW found{};
        const HANDLE search = ::FindFirstFileW(WidePath(path).c_str(), &found);
        ASSERT_NE(search, INVALID_HANDLE_VALUE);
        ::FindClose(search);
        EXPECT_EQ(PathFromWide(found.cFileName), name);
        CTallowmereDoc loaded;
        EXPECT_EQ(test::LoadMessage(loaded, path), "");
        EXPECT_EQ(loaded.GetAt(0)->GetText(), "Caf\xE9");
    }
}

TEST(WideNames, WhatIsNoFileOrIsMissingGivesItsMessage) {
    test::TempFolder folder;
    CTallowmereDoc doc;
    const struct {
        std::string path, message;
    } cases[] = {
        {folder.Path(), "Access to " + folder.Path() + " was denied."},
        {"NUL", "Access to NUL was denied."},
        {folder.File("missing.gwk"), folder.File("missing.gwk") + " was not found."},
        {folder.File("no folder/x.gwk"),
         folder.File("no folder/x.gwk") + " contains an invalid path."},
    };
    for (const auto& c : cases) EXPECT_EQ(test::LoadMessage(doc, c.path), c.message);
    EXPECT_EQ(test::SaveMessage(doc, folder.File("no folder/x.gwk")),
              folder.File("no folder/x.gwk") + " contains an invalid path.");
    EXPECT_FALSE(IsRegularFile(folder.Path()));
    EXPECT_FALSE(IsRegularFile("NUL"));
}

TEST(WindowsPaths, NamesTitlesAndShortenedPathsSplitAtEitherSlash) {
    const struct {
        std::string path, name;
    } names[] = {
        {"C:\\site\\promo.js", "promo.js"},
        {"C:/site/promo.js", "promo.js"},
        {"promo.js", "promo.js"},
        {"\\\\server\\share\\a b.js", "a b.js"},
    };
    for (const auto& c : names) {
        EXPECT_EQ(FileNameOf(c.path), c.name);
        CTallowmereDoc doc;
        doc.SetPathName(c.path);
        EXPECT_EQ(doc.GetTitle(), c.name) << c.path;
    }
    EXPECT_EQ(AbbreviatePath("C:\\Users\\ann\\projects\\web\\2026\\summer\\site.gwk"),
              "C:\\...\\2026\\summer\\site.gwk");
    // Paths the program makes itself use the backslash.
    EXPECT_EQ(JoinPath("C:\\Temp", "page.html"), "C:\\Temp\\page.html");
    EXPECT_EQ(JoinPath("C:\\Temp\\", "page.html"), "C:\\Temp\\page.html");
}

TEST(WindowsPaths, OneFileUnderDifferentSpellingsIsTheSameFile) {
    test::TempFolder folder;
    const std::string file = folder.File("Same.gwk");
    test::WriteFile(file, "x");
    test::WriteFile(folder.File("other.gwk"), "x");
    std::string backslashed = file;
    for (char& c : backslashed)
        if (c == '/') c = '\\';
    EXPECT_TRUE(IsSameFile(file, backslashed));
    EXPECT_TRUE(IsSameFile(file, folder.File("SAME.GWK")));
    EXPECT_FALSE(IsSameFile(file, folder.File("other.gwk")));
    EXPECT_FALSE(IsSameFile(file, folder.File("missing.gwk")));
    EXPECT_TRUE(SomethingAt(file));
    EXPECT_FALSE(SomethingAt(folder.File("missing.gwk")));
    EXPECT_EQ(AbsolutePath(backslashed), backslashed);
}

// Paths past the old 260 characters reach the system in the long form, whole (full, dots
// resolved, backslashes), so they work whether or not the system has long paths turned on; a
// project saved there loads, and the paths a user sees carry no prefix.
TEST(WindowsPaths, LongPathsTakeTheLongFormAndComeBackAsWritten) {
    test::TempFolder folder;
    const std::string deep = folder.File(std::string(120, 'd'));
    const std::string project = deep + "\\" + std::string(150, 'p') + ".gwk";
    ASSERT_GT(project.size(), 260u);
    ASSERT_TRUE(::CreateDirectoryW(WidePath(deep).c_str(), nullptr));
    const std::string written = deep + "/x/../" + std::string(150, 'p') + ".gwk";
    const struct {
        std::string path;
        std::wstring form;
    } cases[] = {
        {"C:\\short\\a.gwk", L"C:\\short\\a.gwk"},
        {written, L"\\\\?\\" + WideText(AbsolutePath(project))},
        {"\\\\server\\share\\" + std::string(200, 's'),
         L"\\\\?\\UNC\\server\\share\\" + std::wstring(200, L's')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WidePath(c.path), c.form) << c.path;
        EXPECT_EQ(PathFromWide(WidePath(c.path)), AbsolutePath(c.path)) << c.path;
    }
    CTallowmereDoc doc;
    doc.InitNewProject();
    test::Fill(doc, {{"Far away", 4, 11, 2}});
    ASSERT_EQ(test::SaveMessage(doc, written), "");
    CTallowmereDoc loaded;
    EXPECT_EQ(test::LoadMessage(loaded, project), "");
    EXPECT_EQ(loaded.GetCount(), 1);
    EXPECT_TRUE(IsSameFile(written, project));
}

TEST(WindowsProcess, PrivateFoldersAreNewAndProcessesAreKnown) {
    test::TempFolder folder;
    const std::string first = MakePrivateFolder(folder.File("p-"));
    const std::string second = MakePrivateFolder(folder.File("p-"));
    EXPECT_NE(first, second);
    EXPECT_TRUE(IsPrivateFolder(first));
    EXPECT_FALSE(IsPrivateFolder(folder.File("none")));
    EXPECT_EQ(folder.Entries().size(), 2u);
    EXPECT_TRUE(IsProcessRunning(CurrentProcessId()));
    EXPECT_FALSE(IsProcessRunning(0x7FFFFFF0));
    EXPECT_GT(ProcessMemoryLimit(), uint64_t{1} << 26);
}

}  // namespace
}  // namespace glintwick
