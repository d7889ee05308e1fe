// Reading and writing the recent-file list, and drawing it into the File menu.
#include "ui/RecentFileStore.h"

#include <wx/filename.h>
#include <wx/utils.h>

#include <sstream>

#include "model/FileError.h"
#include "model/RegularFile.h"
#include "model/SafeFile.h"
#include "resources/Ids.h"
#include "resources/StringTable.h"
#include "ui/WxText.h"

namespace glintwick {

wxString SettingsFilePath() {
    wxString base;
    if (!wxGetEnv("XDG_CONFIG_HOME", &base) || base.empty() || !wxIsAbsolutePath(base))
        base = wxGetHomeDir() + "/.config";
    return base + "/" + str::kSettingsKey + "/" + str::kAppName + ".conf";
}

namespace {

// Four paths and their keys; anything much larger is no settings file of ours.
constexpr uint64_t kSettingsFileLimit = 256 * 1024;

std::string EntryKey(size_t index) {
    return wxString::Format(str::kRecentFileEntry, static_cast<int>(index + 1)).utf8_string();
}

}  // namespace

// The settings file is plain INI, written by hand so that the group and keys are exactly
// "[Recent File List]" and "File1" to "File4" (wx's own config class escapes the spaces).
void CRecentFileStore::Load() {
    std::vector<std::string> paths(CRecentFiles::kMaxEntries);
    // No settings yet, none readable, or something that is no settings file (a FIFO, a device,
    // a huge file): an empty list, and the thing is left alone.
    const std::string text =
        ReadSmallFile(SettingsFilePath().utf8_string(), kSettingsFileLimit).value_or("");
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
    m_files.Assign(paths);
    UpdateMenu();
}

void CRecentFileStore::Save() const {
    std::string text = std::string("[") + str::kRecentFileSection + "]\n";
    for (size_t i = 0; i < m_files.Paths().size(); ++i) {
        const std::string& path = m_files.Paths()[i];
        // A line break in a name cannot be kept in a one-line entry; such a name is not kept.
        if (path.find_first_of("\r\n") != std::string::npos) continue;
        text += EntryKey(i) + "=" + path + "\n";
    }
    const wxFileName file(SettingsFilePath());
    // Settings are a convenience: a folder that cannot be made just means they are not kept.
    if (!wxFileName::Mkdir(file.GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) return;
    try {
        WriteFileAtomically(file.GetFullPath().utf8_string(), text);
    } catch (const CFileFailure&) {
    }
}

void CRecentFileStore::Add(const std::string& path) {
    m_files.Add(path);
    Save();
    UpdateMenu();
}

void CRecentFileStore::Remove(const std::string& path) {
    m_files.Remove(path);
    Save();
    UpdateMenu();
}

void CRecentFileStore::UseMenu(wxMenu* fileMenu) {
    m_menu = fileMenu;
    UpdateMenu();
}

void CRecentFileStore::UpdateMenu() {
    if (!m_menu) return;
    // The entries (or the grayed placeholder) stand where the placeholder was designed.
    const int first = id::MenuId(id::kRecentFile1);
    int position = wxNOT_FOUND;
    for (size_t i = 0; i < m_menu->GetMenuItemCount(); ++i) {
        const int itemId = m_menu->FindItemByPosition(i)->GetId();
        if (itemId >= first && itemId < first + static_cast<int>(CRecentFiles::kMaxEntries)) {
            if (position == wxNOT_FOUND) position = static_cast<int>(i);
        }
    }
    if (position == wxNOT_FOUND) return;
    for (size_t i = 0; i < CRecentFiles::kMaxEntries; ++i)
        if (m_menu->FindItem(first + static_cast<int>(i)))
            m_menu->Destroy(first + static_cast<int>(i));
    const auto& paths = m_files.Paths();
    if (paths.empty()) {
        m_menu->Insert(position, first, str::kMenuRecentFile);
        m_menu->Enable(first, false);
        return;
    }
    for (size_t i = 0; i < paths.size(); ++i) {
        wxString shown = ReadableToWx(AbbreviatePath(paths[i]));
        shown.Replace("&", "&&");  // an ampersand in a path is not an access key
        m_menu->Insert(position + i, first + static_cast<int>(i),
                       wxString::Format("&%d ", static_cast<int>(i + 1)) + shown);
    }
}

}  // namespace glintwick
