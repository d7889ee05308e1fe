// The recent-file list: newest first, four entries, and paths shortened for the menu.
#pragma once

#include <string>
#include <vector>

namespace glintwick {

class CRecentFiles {
public:
    static constexpr size_t kMaxEntries = 4;
    static constexpr size_t kDisplayLength = 30;

    // Puts `path` first, dropping an older entry of the same path and any beyond the fourth.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    void Assign(std::vector<std::string> paths);
    const std::vector<std::string>& Paths() const { return m_paths; }

private:
    std::vector<std::string> m_paths;
};

// A path shortened to at most `length` characters for display: the root, "...", then as many
// trailing folders as fit before the file name; a file name too long on its own is cut.
std::string AbbreviatePath(const std::string& path, size_t length = CRecentFiles::kDisplayLength);

}  // namespace glintwick
