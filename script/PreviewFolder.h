// The private temporary folder that Preview in Browser writes its page and script into.
#pragma once

#include <string>

#include "model/platform/FileSystem.h"

namespace glintwick {

// A folder of this run's own in `tempDir`, named glintwick-preview-PID-XXXXXX. It is checked
// before every use: if it is gone, or what stands at its path is not a folder of this user
// with mode 0700 (another user's folder, a folder anyone may write to, a link), a new one is
// made and the thing at the old path is left alone.
class CPreviewFolder {
public:
    explicit CPreviewFolder(std::string tempDir) : m_tempDir(std::move(tempDir)) {}
    // Removes the folder and what it holds, if it is still ours.
    ~CPreviewFolder();
    CPreviewFolder(const CPreviewFolder&) = delete;
    CPreviewFolder& operator=(const CPreviewFolder&) = delete;

    // The checked folder's path, made anew where needed; throws CFileFailure when no folder
    // can be made.
    const std::string& Use();
    // The path last used; empty before the first use.
    const std::string& Path() const { return m_path; }

    // Removes the preview folders in `tempDir` that runs ended without removing (killed,
    // say): folders of this user whose process no longer runs. Returns how many it removed.
    static int RemoveAbandoned(const std::string& tempDir);

private:
    std::string m_tempDir;
    std::string m_path;
};

}  // namespace glintwick
