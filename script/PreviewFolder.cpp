// Making, checking and removing preview folders.
#include "script/PreviewFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "model/FileError.h"

namespace glintwick {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "glintwick-preview-";

// The process id in a preview folder's name, or 0 when the name is not one of ours.
pid_t ProcessOf(std::string_view name) {
    if (name.substr(0, kPrefix.size()) != kPrefix) return 0;
    name.remove_prefix(kPrefix.size());
    const size_t dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || name.size() - dash - 1 != 6) return 0;
    pid_t pid = 0;
    for (char c : name.substr(0, dash)) {
        if (c < '0' || c > '9' || pid > 100'000'000) return 0;
        pid = pid * 10 + (c - '0');
    }
    return pid;
}

bool IsRunning(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

// Removes the folder's contents and itself without following a link anywhere.
void RemoveTree(const std::string& path) {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

}  // namespace

bool IsPrivateFolder(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 07777) == 0700;
}

CPreviewFolder::~CPreviewFolder() {
    if (!m_path.empty() && IsPrivateFolder(m_path)) RemoveTree(m_path);
}

const std::string& CPreviewFolder::Use() {
    if (!m_path.empty() && IsPrivateFolder(m_path)) return m_path;
    // mkdtemp makes a folder only this user can enter, under a name nobody could prepare.
    std::string name =
        m_tempDir + "/" + std::string(kPrefix) + std::to_string(::getpid()) + "-XXXXXX";
    if (::mkdtemp(name.data()) == nullptr) {
        const int error = errno;
        m_path.clear();
        throw CFileFailure(CauseFromErrno(error, name), name);
    }
    m_path = name;
    return m_path;
}

int CPreviewFolder::RemoveAbandoned(const std::string& tempDir) {
    int removed = 0;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(tempDir, error)) {
        const std::string path = entry.path().string();
        const pid_t pid = ProcessOf(entry.path().filename().string());
        if (pid <= 0 || pid == ::getpid() || IsRunning(pid) || !IsPrivateFolder(path)) continue;
        RemoveTree(path);
        ++removed;
    }
    return removed;
}

}  // namespace glintwick
