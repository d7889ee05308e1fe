// The recent-file list in an INI file under the user's configuration folder.
#include "ui/gtk/SettingsFile.h"

#include <filesystem>
#include <sstream>

#include "model/RecentFiles.h"
#include "model/platform/RegularFile.h"
#include "model/platform/SafeFile.h"
#include "resources/StringTable.h"
#include "ui/RecentFileSettings.h"
#include "ui/WxText.h"
#include "ui/gtk/XdgFolder.h"

namespace glintwick {

namespace fs = std::filesystem;

namespace {

// The path as the file system names it (the environment's bytes, whatever the locale).
std::string SettingsPath() {
    const std::string base = XdgFolder("XDG_CONFIG_HOME", ".config");
    if (base.empty()) return {};
    return base + "/" + str::kSettingsKey + "/" + str::kAppName + ".conf";
}

// Four paths and their keys; anything much larger is no settings file of ours.
constexpr uint64_t kSettingsFileLimit = 256 * 1024;

std::string EntryKey(size_t index) {
    return wxString::Format(str::kRecentFileEntry, static_cast<int>(index + 1)).utf8_string();
}

}  // namespace

wxString SettingsFilePath() { return PathToWx(SettingsPath()); }

// The settings file is plain INI, written by hand so that the group and keys are exactly
// "[Recent File List]" and "File1" to "File4" (wx's own config class escapes the spaces).
std::vector<std::string> ReadRecentFileSettings() {
    std::vector<std::string> paths(CRecentFiles::kMaxEntries);
    // No settings yet, none readable, or something that is no settings file (a FIFO, a device,
    // a huge file): an empty list, and the thing is left alone.
    const std::string path = SettingsPath();
    const std::string text =
        path.empty() ? std::string() : ReadSmallFile(path, kSettingsFileLimit).value_or("");
    std::istringstream lines(text);
    bool inSection = false;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inSection = line == std::string("[") + str::kRecentFileSection + "]";
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || equals == std::string::npos) continue;
        for (size_t i = 0; i < CRecentFiles::kMaxEntries; ++i)
            if (line.compare(0, equals, EntryKey(i)) == 0) paths[i] = line.substr(equals + 1);
    }
    return paths;
}

void WriteRecentFileSettings(const std::vector<std::string>& paths) {
    std::string text = std::string("[") + str::kRecentFileSection + "]\n";
    for (size_t i = 0; i < paths.size(); ++i) {
        // A line break in a name cannot be kept in a one-line entry; such a name is not kept.
        if (paths[i].find_first_of("\r\n") != std::string::npos) continue;
        text += EntryKey(i) + "=" + paths[i] + "\n";
    }
    // Settings are a convenience, and failures are silent: without a home, with a folder that
    // cannot be made (quietly, unlike wx's, which shows a box), the list is not kept. A file
    // there that could not be read whole (a FIFO, a huge or an unreadable file) is not ours to
    // replace.
    const std::string path = SettingsPath();
    if (path.empty()) return;
    std::error_code error;
    if (fs::exists(fs::symlink_status(path, error)) && !ReadSmallFile(path, kSettingsFileLimit))
        return;
    fs::create_directories(fs::path(path).parent_path(), error);
    if (error) return;
    try {
        WriteFileAtomically(path, text);
    } catch (const std::exception&) {
    }
}

}  // namespace glintwick
