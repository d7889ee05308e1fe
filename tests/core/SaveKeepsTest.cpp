// Saving keeps what the user set on the file: owner, group, attributes, links, long names.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <functional>
#include <iostream>

#include "TestSupport.h"
#include "model/FileError.h"
#include "model/ProjectFile.h"
#include "model/platform/SafeFile.h"
#include "script/ScriptWriter.h"

namespace glintwick {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// Who a child process saves as: a user, its primary group and its other groups.
struct Identity {
    uid_t uid;
    gid_t gid;
    std::vector<gid_t> groups;
};

constexpr gid_t kTeam = 2000;

// Runs `act` in a child process as `who` (root stays root when `who` is null) and returns the
// text it gives back, such as a save's message.
std::string AsUser(const Identity* who, const std::function<std::string()>& act) {
    int pipe[2];
    if (::pipe(pipe) != 0) return "no pipe";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipe[0]);
        if (who && (::setgroups(who->groups.size(), who->groups.data()) != 0 ||
                    ::setgid(who->gid) != 0 || ::setuid(who->uid) != 0))
            _exit(3);
        const std::string text = act();
        if (::write(pipe[1], text.data(), text.size()) < 0) _exit(4);
        _exit(0);
    }
    ::close(pipe[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child failed";
    return text;
}

struct stat StatOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st;
}

class SaveKeeps : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0) GTEST_SKIP() << "needs to make files of other users";
        // Other users must reach the folders below the test's own.
        ::chmod(folder.Path().c_str(), 0711);
        doc.InitNewProject();
        doc.AddEffect(std::make_unique<CEffect>("the new content", 4, 12, 2));
    }
    std::string Folder(const std::string& name, uid_t uid, gid_t gid, mode_t mode) {
        const std::string path = folder.File(name);
        ::mkdir(path.c_str(), 0700);
        EXPECT_EQ(::chown(path.c_str(), uid, gid), 0);
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        return path;
    }
    std::string File(const std::string& path, uid_t uid, gid_t gid, mode_t mode) {
        WriteFile(path, "the old content");
        EXPECT_EQ(::chown(path.c_str(), uid, gid), 0);
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        return path;
    }
    std::string Save(const std::string& path, const Identity* who = nullptr) {
        return AsUser(who, [&] { return test::SaveMessage(doc, path); });
    }

    TempFolder folder;
    CTallowmereDoc doc;
};

// Root saving a user's file hands it back to that user, with its group, mode and attributes.
TEST_F(SaveKeeps, TheReplacedFilesOwnerGroupModeAndExtendedAttributes) {
    const std::string target = File(folder.File("theirs.gwk"), 1000, 1001, 0640);
    const bool attributes = ::setxattr(target.c_str(), "user.glintwick.note", "keep", 4, 0) == 0;
    // An ACL that lets user 1234 read and write (version 2; entries tag, permissions, id).
    const unsigned char acl[] = {2,    0,    0,    0,    1,    0,    6,    0,    0xFF, 0xFF, 0xFF,
                                 0xFF, 2,    0,    6,    0,    0xD2, 4,    0,    0,    4,    0,
                                 4,    0,    0xFF, 0xFF, 0xFF, 0xFF, 0x10, 0,    6,    0,    0xFF,
                                 0xFF, 0xFF, 0xFF, 0x20, 0,    0,    0,    0xFF, 0xFF, 0xFF, 0xFF};
    const bool acls =
        ::setxattr(target.c_str(), "system.posix_acl_access", acl, sizeof acl, 0) == 0;
    const struct stat before = StatOf(target);

    ASSERT_EQ(Save(target), "");
    const struct stat after = StatOf(target);
    EXPECT_EQ(ReadFile(target), SerializeProject(doc));
    EXPECT_NE(after.st_ino, before.st_ino) << "a file with one link is replaced whole";
    EXPECT_EQ(after.st_uid, 1000u);
    EXPECT_EQ(after.st_gid, 1001u);
    EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
    if (attributes) {
        char value[16] = {};
        EXPECT_EQ(::getxattr(target.c_str(), "user.glintwick.note", value, sizeof value), 4);
        EXPECT_STREQ(value, "keep");
    }
    if (acls) {
        unsigned char kept[sizeof acl] = {};
        EXPECT_EQ(::getxattr(target.c_str(), "system.posix_acl_access", kept, sizeof kept),
                  static_cast<ssize_t>(sizeof acl));
        EXPECT_EQ(std::string(kept, kept + sizeof kept), std::string(acl, acl + sizeof acl));
    }
    if (!attributes || !acls) std::cout << "  (this file system keeps no extended attributes)\n";
}

// A member saving a file of their own that belongs to the team keeps the team as its group.
TEST_F(SaveKeeps, TheGroupAloneWhereTheOwnerIsAlreadyTheSame) {
    const Identity member{1000, 1000, {1000, kTeam}};
    const std::string dir = Folder("mine", 1000, 1000, 0755);
    const std::string target = File(dir + "/ours.gwk", 1000, kTeam, 0664);
    const struct stat before = StatOf(target);
    ASSERT_EQ(Save(target, &member), "");
    const struct stat after = StatOf(target);
    EXPECT_NE(after.st_ino, before.st_ino) << "still replaced whole";
    EXPECT_EQ(after.st_gid, kTeam);
    EXPECT_EQ(ReadFile(target), SerializeProject(doc));
}

// Where replacing the file would break what it cannot keep, the file is written in place: the
// same file (inode), owner and group, with the new content.
TEST_F(SaveKeeps, InPlaceWhereAReplacementWouldBreakSomething) {
    const Identity member{1000, 1000, {1000, kTeam}};
    const Identity nextMember{1002, 1002, {1002, kTeam}};
    struct Case {
        const char* name;
        std::function<std::string()> prepare;  // returns the target
        std::vector<const Identity*> savers;
        std::function<void(const std::string&)> extra;
    } cases[] = {
        {"a second hard link",
         [&] {
             const std::string target = File(folder.File("linked.gwk"), 0, 0, 0644);
             EXPECT_EQ(::link(target.c_str(), folder.File("other-name.gwk").c_str()), 0);
             return target;
         },
         {nullptr},
         [&](const std::string&) {
             EXPECT_EQ(ReadFile(folder.File("other-name.gwk")), SerializeProject(doc));
         }},
        {"another member's file in a group folder",
         [&] { return File(Folder("team", 0, kTeam, 0775) + "/shared.gwk", 1001, kTeam, 0664); },
         {&member, &nextMember},
         nullptr},
        {"a writable file in a read-only folder",
         [&] {
             return File(Folder("read-only", 1000, 1000, 0555) + "/mine.gwk", 1000, 1000, 0644);
         },
         {&member},
         nullptr},
        {"another user's file in a sticky folder",
         [&] { return File(Folder("sticky", 0, 0, 01777) + "/open.gwk", 1001, 1001, 0666); },
         {&member},
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string target = c.prepare();
        const struct stat before = StatOf(target);
        for (const Identity* who : c.savers) EXPECT_EQ(Save(target, who), "");
        const struct stat after = StatOf(target);
        EXPECT_EQ(ReadFile(target), SerializeProject(doc));
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(after.st_mode, before.st_mode);
        if (c.extra) c.extra(target);
    }
}

// Written in place, a save that cannot get room for the new content stops before touching the
// old: here a file-size limit below the new length, on a hard-linked file.
TEST_F(SaveKeeps, InPlaceAFullDiskLeavesTheOldContent) {
    const std::string target = File(folder.File("linked.gwk"), 0, 0, 0644);
    ASSERT_EQ(::link(target.c_str(), folder.File("other-name.gwk").c_str()), 0);
    test::Fill(doc, {{std::string(4000, 'z'), 0, 10, 1}});
    const std::string message = AsUser(nullptr, [&] {
        IgnoreFileSizeSignal();
        rlimit small{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &small);
        return test::SaveMessage(doc, target);
    });
    EXPECT_EQ(message, "Disk full while accessing " + target + ".");
    EXPECT_EQ(ReadFile(target), "the old content");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"linked.gwk", "other-name.gwk"}));
}

// Names up to the file system's 255 bytes save, as projects and as scripts.
TEST(SaveNames, NamesUpTo255BytesCanBeSaved) {
    TempFolder folder;
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.AddEffect(std::make_unique<CEffect>());
    for (size_t length : {247u, 248u, 251u, 255u}) {
        SCOPED_TRACE(length);
        const std::string project = folder.File(std::string(length - 4, 'p') + ".gwk");
        EXPECT_EQ(test::SaveMessage(doc, project), "");
        EXPECT_EQ(ReadFile(project), SerializeProject(doc));
        const std::string title = std::string(length - 3, 's') + ".js";
        EXPECT_NO_THROW(GenerateScriptFile(doc, folder.File(title), title));
    }
}

}  // namespace
}  // namespace glintwick
