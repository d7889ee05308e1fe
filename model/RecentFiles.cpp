// Recent-file list order and path abbreviation.
#include "model/RecentFiles.h"

#include <algorithm>

#include "model/CodePage.h"
#include "model/platform/FileSystem.h"

namespace glintwick {

void CRecentFiles::Add(const std::string& path) {
    Remove(path);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > kMaxEntries) m_paths.resize(kMaxEntries);
}

void CRecentFiles::Remove(const std::string& path) {
    m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
}

void CRecentFiles::Assign(std::vector<std::string> paths) {
    m_paths.clear();
    for (auto it = paths.rbegin(); it != paths.rend(); ++it)
        if (!it->empty()) Add(*it);
}

namespace {

// The first `count` characters of UTF-8 text, never cutting inside a character.
std::string FirstCharacters(const std::string& text, size_t count) {
    size_t pos = 0;
    for (size_t i = 0; i < count && pos < text.size(); ++i) DecodeUtf8(text, pos);
    return text.substr(0, pos);
}

}  // namespace

std::string AbbreviatePath(const std::string& path, size_t length) {
    // Lengths count characters as the menu shows them, not bytes.
    const auto chars = [](const std::string& text) { return CountUtf8Characters(text); };
    if (chars(path) <= length) return path;
    const auto lastSlash = path.find_last_of(kPathSeparators);
    const std::string name = lastSlash == std::string::npos ? path : path.substr(lastSlash + 1);
    const std::string ellipsis = "...";
    if (chars(name) + ellipsis.size() + 1 >= length) {
        // Not even "/.../name" fits: the name alone, cut with an ellipsis if need be.
        return chars(name) <= length ? name
                                     : FirstCharacters(name, length - ellipsis.size()) + ellipsis;
    }
    // Root part: "/" for an absolute path, else the first folder.
    const size_t rootEnd = path.find_first_of(kPathSeparators);
    const std::string root = path.substr(0, rootEnd == 0 ? 1 : rootEnd + 1);
    std::string tail = path.substr(lastSlash);
    size_t end = lastSlash;
    while (end != std::string::npos && end > 0) {
        const auto previous = path.find_last_of(kPathSeparators, end - 1);
        if (previous == std::string::npos) break;
        const std::string folder = path.substr(previous, end - previous);
        if (chars(root) + ellipsis.size() + chars(folder) + chars(tail) > length) break;
        tail = folder + tail;
        end = previous;
    }
    return root + ellipsis + tail;
}

}  // namespace glintwick
