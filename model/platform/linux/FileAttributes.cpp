// Owner, group, mode and extended attributes copied from one file to another, on Linux.
#include "model/platform/linux/FileAttributes.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace glintwick {

namespace {

// The names of a file's extended attributes; nothing when it has none or the file system
// keeps none. False when they cannot be listed.
bool AttributeNames(const std::string* path, int fd, std::vector<std::string>& names) {
    names.clear();
    for (;;) {
        const ssize_t size =
            path ? ::listxattr(path->c_str(), nullptr, 0) : ::flistxattr(fd, nullptr, 0);
        if (size < 0) return errno == ENOTSUP;
        if (size == 0) return true;
        std::vector<char> list(static_cast<size_t>(size));
        const ssize_t got = path ? ::listxattr(path->c_str(), list.data(), list.size())
                                 : ::flistxattr(fd, list.data(), list.size());
        if (got < 0 && errno == ERANGE) continue;  // grew meanwhile
        if (got < 0) return false;
        for (size_t at = 0; at < static_cast<size_t>(got);) {
            names.emplace_back(list.data() + at);
            at += names.back().size() + 1;
        }
        return true;
    }
}

bool CopyAttribute(const std::string& from, const std::string& name, int to) {
    for (;;) {
        const ssize_t size = ::getxattr(from.c_str(), name.c_str(), nullptr, 0);
        if (size < 0) return false;
        std::vector<char> value(static_cast<size_t>(size));
        const ssize_t got = ::getxattr(from.c_str(), name.c_str(), value.data(), value.size());
        if (got < 0 && errno == ERANGE) continue;
        if (got < 0) return false;
        return ::fsetxattr(to, name.c_str(), value.data(), static_cast<size_t>(got), 0) == 0;
    }
}

// The successor holds exactly the attributes of `from`: copied ones, and none that the folder
// gave it on creation (an inherited default ACL, say) that the old file did not have.
bool CopyAttributes(const std::string& from, int to) {
    std::vector<std::string> wanted, present;
    if (!AttributeNames(&from, -1, wanted) || !AttributeNames(nullptr, to, present)) return false;
    for (const auto& name : present)
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end() &&
            ::fremovexattr(to, name.c_str()) != 0)
            return false;
    return std::all_of(wanted.begin(), wanted.end(),
                       [&](const std::string& name) { return CopyAttribute(from, name, to); });
}

}  // namespace

bool TakeOverAttributes(const std::string& from, const struct stat& was, int to) {
    struct stat now {};
    if (::fstat(to, &now) != 0) return false;
    // Only a superuser can give a file away; anyone may pass it to a group of their own.
    if (now.st_uid != was.st_uid) {
        if (::fchown(to, was.st_uid, was.st_gid) != 0) return false;
    } else if (now.st_gid != was.st_gid && ::fchown(to, static_cast<uid_t>(-1), was.st_gid) != 0) {
        return false;
    }
    // After the owner: a change of owner clears the set-id bits that the mode may hold.
    if (::fchmod(to, was.st_mode & 07777) != 0) return false;
    return CopyAttributes(from, to);
}

}  // namespace glintwick
