// Making the temporary files of saves, and removing those that killed saves left behind.
#include "model/platform/linux/TemporaryFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <set>
#include <string_view>
#include <vector>

#include "model/PathParts.h"
#include "model/platform/Process.h"
#include "model/platform/SafeFile.h"

namespace glintwick {

namespace {

constexpr std::string_view kPrefix = ".glintwick-";
constexpr time_t kAbandonedAfterSeconds = 10 * 60;

}  // namespace

int CreateTemporaryFile(const std::string& folder, std::string& name) {
    name = JoinPath(folder, std::string(kPrefix) + std::to_string(CurrentProcessId()) + "-XXXXXX");
    return ::mkostemp(name.data(), O_CLOEXEC);
}

int RemoveAbandonedTemporaryFiles(const std::string& folder) {
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) return 0;
    std::vector<std::string> abandoned;
    const time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(listing)) {
        const long pid = ProcessInName(entry->d_name, kPrefix);
        if (pid <= 0 || pid == CurrentProcessId() || IsProcessRunning(pid)) continue;
        struct stat st {};
        if (::fstatat(::dirfd(listing), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && now - st.st_mtime >= kAbandonedAfterSeconds)
            abandoned.emplace_back(entry->d_name);
    }
    int removed = 0;
    for (const std::string& file : abandoned)
        removed += ::unlinkat(::dirfd(listing), file.c_str(), 0) == 0 ? 1 : 0;
    ::closedir(listing);
    return removed;
}

void RemoveAbandonedSaves(const std::vector<std::string>& files) {
    std::set<std::string> folders;
    for (const std::string& file : files)
        if (!file.empty()) folders.insert(FolderOf(file));
    for (const std::string& folder : folders) RemoveAbandonedTemporaryFiles(folder);
}

}  // namespace glintwick
