// Saving and loading project files: exact bytes, state rules, hostile input and safe saves.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>

#include "TestSupport.h"
#include "model/FileError.h"
#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"

namespace glintwick {
namespace {

using test::Bytes;
using test::LoadMessage;
using test::ReadFile;
using test::SaveMessage;
using test::TempFolder;
using test::WriteFile;

const std::string kDefaultRecord = Bytes({0x1F}) + "Enter your Status Bar text here" +
                                   Bytes({0, 0, 0, 0, 10, 0, 0, 0, 1, 0, 0, 0});
const std::string kExample57 = Bytes({0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}) + kDefaultRecord;

TEST(ProjectFile, NewProjectWithOneDefaultEffectIs57Bytes) {
    TempFolder folder;
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.AddEffect(std::make_unique<CEffect>());
    const std::string path = folder.File("one.gwk");
    ASSERT_EQ(SaveMessage(doc, path), "");
    EXPECT_EQ(ReadFile(path), kExample57);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(doc.GetTitle(), "one.gwk");

    CTallowmereDoc loaded;
    test::CountingView view;
    loaded.AddView(&view);
    ASSERT_EQ(LoadMessage(loaded, path), "");
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(view.initialUpdates, 1);
    ASSERT_EQ(loaded.GetCount(), 1);
    EXPECT_EQ(loaded.GetAt(0)->GetText(), "Enter your Status Bar text here");
    EXPECT_EQ(loaded.GetRepeat(), 0);
    EXPECT_EQ(loaded.GetAutoStart(), 1);
}

TEST(ProjectFile, SaveThenLoadKeepsEveryFieldIncludingOutOfRangeNumbers) {
    TempFolder folder;
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.SetOptions(std::string(300, 'F') + "\xE9", doc.GetAutoStart());
    doc.SetOptions(doc.GetFinalText(), 0);
    doc.SetRepeat(5000);
    test::Fill(doc, {{"", 11, 0, 0}, {std::string(500, 'x'), 9, 21, -5}, {"a \"b\" \\", 10, 7, 3}});
    const std::string path = folder.File("all.gwk");
    ASSERT_EQ(SaveMessage(doc, path), "");
    CTallowmereDoc loaded;
    ASSERT_EQ(LoadMessage(loaded, path), "");
    EXPECT_EQ(SerializeProject(loaded), SerializeProject(doc));
    EXPECT_EQ(loaded.GetAt(1)->GetSpeed(), 21);
    EXPECT_EQ(loaded.GetAt(1)->GetLoops(), -5);
}

// The loader reads the file a piece at a time: fields and texts that cross from one piece to
// the next, and texts longer than a piece, arrive whole, and a file cut inside one is refused.
// The texts stay in the bytes read, so a misplaced piece shows as a changed text.
TEST(ProjectFile, LargeFilesLoadWholeAcrossTheReadersPieces) {
    TempFolder folder;
    CTallowmereDoc doc;
    doc.InitNewProject();
    for (size_t i = 0; i < 3000; ++i) {
        const size_t length = i == 1000 ? 300000 : i == 2000 ? 65534 : (i * 7919) % 700;
        doc.AddEffect(std::make_unique<CEffect>(
            std::string(length, static_cast<char>('a' + i % 26)), static_cast<int>(i % 12),
            static_cast<int>(i), -static_cast<int>(i)));
    }
    const std::string bytes = SerializeProject(doc);
    const std::string path = folder.File("large.gwk");
    ASSERT_EQ(SaveMessage(doc, path), "");
    CTallowmereDoc loaded;
    ASSERT_EQ(LoadMessage(loaded, path), "");
    EXPECT_TRUE(SerializeProject(loaded) == bytes);
    for (size_t cut : {size_t{262143}, size_t{262145}, bytes.size() / 2, bytes.size() - 1}) {
        WriteFile(path, bytes.substr(0, cut));
        EXPECT_EQ(LoadMessage(loaded, path), "Unexpected file format.") << cut;
    }

    // The pieces go into blocks of 64 MiB: a record cut by a block's end, and a text longer
    // than a block, arrive whole too.
    CTallowmereDoc huge;
    huge.InitNewProject();
    for (size_t length : {(size_t{64} << 20) - 7, (size_t{64} << 20) + 1, size_t{5}}) {
        std::string text(length, '\0');
        for (size_t i = 0; i < length; ++i) text[i] = static_cast<char>(' ' + (i + length) % 90);
        huge.AddEffect(std::make_unique<CEffect>(std::move(text), 1, 2, static_cast<int>(length)));
    }
    ASSERT_EQ(SaveMessage(huge, path), "");
    ASSERT_EQ(LoadMessage(loaded, path), "");
    ASSERT_EQ(loaded.GetCount(), huge.GetCount());
    for (int i = 0; i < huge.GetCount(); ++i) {
        EXPECT_TRUE(loaded.GetAt(i)->GetText() == huge.GetAt(i)->GetText()) << i;
        EXPECT_EQ(loaded.GetAt(i)->GetLoops(), huge.GetAt(i)->GetLoops()) << i;
    }
}

// Loaded records live in the project's store: edits, deletes, moves and a second load over
// them keep every text whole (AddressSanitizer watches the same run).
TEST(ProjectFile, LoadedRecordsCanBeEditedMovedDeletedAndLoadedOver) {
    TempFolder folder;
    CTallowmereDoc doc;
    doc.InitNewProject();
    test::Fill(doc, {{"first", 0, 1, 1}, {"second", 1, 2, 2}, {"third", 2, 3, 3}});
    const std::string path = folder.File("p.gwk");
    ASSERT_EQ(SaveMessage(doc, path), "");
    CTallowmereDoc loaded;
    ASSERT_EQ(LoadMessage(loaded, path), "");
    loaded.UpdateEffect(loaded.GetAt(0), std::string(loaded.GetAt(0)->GetText()) + " edited", 3, 4,
                        5);
    loaded.MoveDown(0);
    loaded.DeleteEffect(2);
    loaded.AddEffect(std::make_unique<CEffect>("added", 4, 5, 6));
    std::vector<std::string> texts;
    for (int i = 0; i < loaded.GetCount(); ++i) texts.emplace_back(loaded.GetAt(i)->GetText());
    EXPECT_EQ(texts, (std::vector<std::string>{"second", "first edited", "added"}));
    const std::string edited = SerializeProject(loaded);
    ASSERT_EQ(LoadMessage(loaded, path), "");
    EXPECT_EQ(SerializeProject(loaded), SerializeProject(doc));
    EXPECT_NE(edited, SerializeProject(doc));
}

TEST(ProjectFile, EmptyFileLoadsAsEmptyProjectKeepingRepeatButASystemFileOfNoLengthDoesNot) {
    TempFolder folder;
    WriteFile(folder.File("empty.gwk"), "");
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.SetRepeat(7);
    doc.SetOptions(doc.GetFinalText(), 0);
    test::Fill(doc, {{"old", 0, 10, 1}});
    ASSERT_EQ(LoadMessage(doc, folder.File("empty.gwk")), "");
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_EQ(doc.GetAutoStart(), 1);
    EXPECT_EQ(doc.GetRepeat(), 7);
    EXPECT_FALSE(doc.IsModified());
    // A kernel file claims no length and has bytes: it is no empty project.
    EXPECT_EQ(LoadMessage(doc, "/proc/self/status"), "Unexpected file format.");
}

TEST(ProjectFile, ZeroOrNegativeCountKeepsSettingsAndTrailingBytesAreIgnored) {
    TempFolder folder;
    const std::string head = Bytes({3, 'e', 'n', 'd', 0, 0, 0, 0, 2, 0, 0, 0});
    for (int count : {0, -1, INT32_MIN}) {
        std::string bytes = head;
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>((static_cast<uint32_t>(count) >> (8 * i)) & 0xFF);
        WriteFile(folder.File("n.gwk"), bytes + "junk");
        CTallowmereDoc doc;
        ASSERT_EQ(LoadMessage(doc, folder.File("n.gwk")), "") << count;
        EXPECT_EQ(doc.GetCount(), 0);
        EXPECT_EQ(doc.GetFinalText(), "end");
        EXPECT_EQ(doc.GetAutoStart(), 0);
        EXPECT_EQ(doc.GetRepeat(), 2);
    }
    WriteFile(folder.File("t.gwk"), kExample57 + "trailing garbage");
    CTallowmereDoc doc;
    EXPECT_EQ(LoadMessage(doc, folder.File("t.gwk")), "");
    EXPECT_EQ(doc.GetCount(), 1);
}

TEST(ProjectFile, SixteenBitStringsLoadAndSaveBackAsEightBit) {
    TempFolder folder;
    const std::string bytes =
        Bytes({0xFF, 0xFE, 0xFF, 2, 'h', 0, 0xE9, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    WriteFile(folder.File("w.gwk"), bytes);
    CTallowmereDoc doc;
    ASSERT_EQ(LoadMessage(doc, folder.File("w.gwk")), "");
    EXPECT_EQ(doc.GetFinalText(), "h\xE9");
    EXPECT_EQ(SerializeProject(doc).substr(0, 3), Bytes({2, 'h', 0xE9}));
}

// Every truncation of a real project, and crafted files that claim more than they hold.
TEST(ProjectFile, EveryTruncationGivesUnexpectedFormatAndANewProject) {
    TempFolder folder;
    const std::string full = kExample57;
    for (size_t cut = 1; cut < full.size(); ++cut) {
        WriteFile(folder.File("cut.gwk"), full.substr(0, cut));
        CTallowmereDoc doc;
        doc.SetPathName("/elsewhere/previous.gwk");
        test::Fill(doc, {{"previous", 0, 10, 1}});
        test::CountingView view;
        doc.AddView(&view);
        EXPECT_EQ(LoadMessage(doc, folder.File("cut.gwk")), "Unexpected file format.") << cut;
        EXPECT_EQ(doc.GetCount(), 0);
        EXPECT_EQ(doc.GetTitle(), "Untitled");
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(view.initialUpdates, 1) << "views must stop showing destroyed records";
    }
}

TEST(ProjectFile, HostileCountsLengthsAndIndicesAreRefusedWithSmallMemory) {
    TempFolder folder;
    auto withRecord = [](int effect) {
        std::string bytes = Bytes({0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 'x'});
        for (int v : {effect, 10, 1})
            for (int i = 0; i < 4; ++i)
                bytes += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
        return bytes;
    };
    const std::string files[] = {
        Bytes({0,    1,    0,    0, 0, 0, 0, 0, 0, 0xFF,
               0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 0, 0, 0}),  // 2^31-1 records
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}),  // 4 GB text
        Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}),  // 4 G wide units
        Bytes({0xFF, 0xFE, 0xFF, 1, 0x00, 0xD8, 0, 0, 0, 0}),                 // lone surrogate
        withRecord(12),
        withRecord(-1),
    };
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    for (const auto& bytes : files) {
        WriteFile(folder.File("bad.gwk"), bytes);
        CTallowmereDoc doc;
        EXPECT_EQ(LoadMessage(doc, folder.File("bad.gwk")), "Unexpected file format.");
        EXPECT_EQ(doc.GetCount(), 0);
    }
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << "peak grew by more than 64 MB";
    WriteFile(folder.File("ok.gwk"), withRecord(11));
    CTallowmereDoc doc;
    EXPECT_EQ(LoadMessage(doc, folder.File("ok.gwk")), "");
}

TEST(ProjectFile, UnreadableFileLeavesTheOpenProjectUnchanged) {
    TempFolder folder;
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.AddEffect(std::make_unique<CEffect>());
    const std::string missing = folder.File("missing.gwk");
    EXPECT_EQ(LoadMessage(doc, missing), missing + " was not found.");
    const std::string badPath = folder.File("no-folder/x.gwk");
    EXPECT_EQ(LoadMessage(doc, badPath), badPath + " contains an invalid path.");
    EXPECT_EQ(LoadMessage(doc, folder.Path()), "Access to " + folder.Path() + " was denied.");
    EXPECT_EQ(doc.GetCount(), 1);
    EXPECT_TRUE(doc.IsModified());
}

class SafeSave : public ::testing::Test {
protected:
    void SetUp() override {
        doc.InitNewProject();
        doc.AddEffect(std::make_unique<CEffect>("new content", 4, 12, 2));
        WriteFile(target, "previous bytes");
    }
    void ExpectUntouched(const std::string& message) {
        EXPECT_EQ(ReadFile(target), "previous bytes");
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"show.gwk"})
            << "no temporary file left";
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.GetPathName(), "");
        EXPECT_FALSE(message.empty());
    }
    TempFolder folder;
    std::string target = folder.File("show.gwk");
    CTallowmereDoc doc;
};

TEST_F(SafeSave, ReplacesTheFileAndKeepsItsPermissions) {
    ::chmod(target.c_str(), 0640);
    ASSERT_EQ(SaveMessage(doc, target), "");
    EXPECT_EQ(ReadFile(target), SerializeProject(doc));
    struct stat st {};
    ::stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"show.gwk"});
}

// A read-only file is refused; a writable file in a read-only folder, which allows no
// temporary file, is written in place.
TEST_F(SafeSave, ReadOnlyTargetIsRefusedAndAReadOnlyFolderIsWrittenInPlace) {
    ::chmod(target.c_str(), 0444);
    const std::string message = SaveMessage(doc, target);
    EXPECT_EQ(message, "Access to " + target + " was denied.");
    ExpectUntouched(message);
    ::chmod(target.c_str(), 0644);
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser may write into a read-only folder";
    ::chmod(folder.Path().c_str(), 0555);
    EXPECT_EQ(SaveMessage(doc, target), "");
    EXPECT_EQ(ReadFile(target), SerializeProject(doc));
    ::chmod(folder.Path().c_str(), 0755);
}

TEST_F(SafeSave, MissingFolderAndDirectoryTargetAreRefused) {
    const std::string nowhere = folder.File("gone/show.gwk");
    EXPECT_EQ(SaveMessage(doc, nowhere), nowhere + " contains an invalid path.");
    const std::string dir = folder.File("show.gwk.d");
    ::mkdir(dir.c_str(), 0755);
    EXPECT_EQ(SaveMessage(doc, dir), "Access to " + dir + " was denied.");
    ::rmdir(dir.c_str());
    ExpectUntouched("checked above");
}

TEST_F(SafeSave, FullDiskKeepsTheOldFile) {
    // RLIMIT_FSIZE makes write() fail with EFBIG, as a full disk does, without needing root.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    test::Fill(doc, {{std::string(4000, 'z'), 0, 10, 1}});
    signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string message = SaveMessage(doc, target);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(message, "Disk full while accessing " + target + ".");
    ExpectUntouched(message);
}

}  // namespace
}  // namespace glintwick
