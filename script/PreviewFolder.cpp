// Making, checking and removing preview folders.
#include "script/PreviewFolder.h"

#include <filesystem>
#include <string_view>

#include "model/PathParts.h"
#include "model/platform/FileSystem.h"
#include "model/platform/Process.h"

namespace glintwick {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "glintwick-preview-";

// Removes the folder's contents and itself without following a link anywhere.
void RemoveTree(const std::string& path) {
    std::error_code ignored;
    fs::remove_all(NativePath(path), ignored);
}

}  // namespace

CPreviewFolder::~CPreviewFolder() {
    if (!m_path.empty() && IsPrivateFolder(m_path)) RemoveTree(m_path);
}

const std::string& CPreviewFolder::Use() {
    if (!m_path.empty() && IsPrivateFolder(m_path)) return m_path;
    // A folder only this user can enter, under a name nobody could prepare.
    m_path.clear();
    m_path = MakePrivateFolder(JoinPath(m_tempDir, std::string(kPrefix)) +
                               std::to_string(CurrentProcessId()) + "-");
    return m_path;
}

int CPreviewFolder::RemoveAbandoned(const std::string& tempDir) {
    int removed = 0;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(NativePath(tempDir), error)) {
        const std::string path = PathString(entry.path());
        const long pid = ProcessInName(PathString(entry.path().filename()), kPrefix);
        if (pid <= 0 || pid == CurrentProcessId() || IsProcessRunning(pid) ||
            !IsPrivateFolder(path))
            continue;
        RemoveTree(path);
        ++removed;
    }
    return removed;
}

}  // namespace glintwick
