// POSIX implementation of the file-system services: paths are the file system's bytes.
#include "model/platform/FileSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "model/FileError.h"
#include "model/platform/ErrnoCause.h"

namespace glintwick {

const char* const kPathSeparators = "/";

std::string AbsolutePath(const std::string& path) {
    // No name, or a working folder that is gone: the name stays as it was given, and opening
    // it says what is wrong with it.
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

bool IsSameFile(const std::string& first, const std::string& second) {
    struct stat a {
    }, b{};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool SomethingAt(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::filesystem::path NativePath(const std::string& path) { return path; }
std::string PathString(const std::filesystem::path& path) { return path.string(); }

std::string MakePrivateFolder(const std::string& prefix) {
    // mkdtemp makes the folder with mode 0700 under a name nobody could prepare.
    std::string name = prefix + "XXXXXX";
    if (::mkdtemp(name.data()) == nullptr) throw CFileFailure(CauseFromErrno(errno, name), name);
    return name;
}

bool IsPrivateFolder(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 07777) == 0700;
}

}  // namespace glintwick
