// Splitting paths at their last slash (either slash on Windows) and names at their last dot.
#include "model/PathParts.h"

#include "model/platform/FileSystem.h"

namespace glintwick {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of(kPathSeparators);
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FolderPrefixOf(const std::string& path) {
    const auto slash = path.find_last_of(kPathSeparators);
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of(kPathSeparators);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    const bool ends =
        !folder.empty() && std::string(kPathSeparators).find(folder.back()) != std::string::npos;
    return ends ? folder + name : folder + kPathSeparators[0] + name;
}

std::string StemOf(const std::string& fileName) {
    const auto dot = fileName.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

long ProcessInName(std::string_view name, std::string_view prefix) {
    if (name.substr(0, prefix.size()) != prefix) return 0;
    name.remove_prefix(prefix.size());
    const size_t dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || name.size() - dash - 1 != 6) return 0;
    long pid = 0;
    for (char c : name.substr(0, dash)) {
        if (c < '0' || c > '9' || pid > 100'000'000) return 0;
        pid = pid * 10 + (c - '0');
    }
    return pid;
}

}  // namespace glintwick
