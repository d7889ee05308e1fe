// Reading and writing the recent-file list, and drawing it into the File menu.
#include "shell/RecentFileStore.h"

#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/utils.h>

#include "resources/Ids.h"
#include "resources/StringTable.h"

namespace glintwick {

wxString SettingsFilePath() {
    wxString base;
    if (!wxGetEnv("XDG_CONFIG_HOME", &base) || base.empty() || !wxIsAbsolutePath(base))
        base = wxGetHomeDir() + "/.config";
    return base + "/" + str::kSettingsKey + "/" + str::kAppName + ".conf";
}

namespace {

wxString EntryKey(size_t index) { return wxString::Format(str::kRecentFileEntry, static_cast<int>(index + 1)); }

}  // namespace

void CRecentFileStore::Load() {
    const wxString path = SettingsFilePath();
    std::vector<std::string> paths;
    if (wxFileName::FileExists(path)) {
        wxFileConfig config(wxEmptyString, wxEmptyString, path, wxEmptyString, wxCONFIG_USE_LOCAL_FILE);
        config.SetPath(wxString("/") + str::kRecentFileSection);
        for (size_t i = 0; i < CRecentFiles::kMaxEntries; ++i)
            paths.push_back(config.Read(EntryKey(i), wxEmptyString).utf8_string());
    }
    m_files.Assign(paths);
    UpdateMenu();
}

void CRecentFileStore::Save() const {
    const wxFileName file(SettingsFilePath());
    // Settings are a convenience: a folder that cannot be made just means they are not kept.
    if (!wxFileName::Mkdir(file.GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) return;
    wxFileConfig config(wxEmptyString, wxEmptyString, file.GetFullPath(), wxEmptyString,
                        wxCONFIG_USE_LOCAL_FILE);
    config.SetPath(wxString("/") + str::kRecentFileSection);
    for (size_t i = 0; i < CRecentFiles::kMaxEntries; ++i) {
        if (i < m_files.Paths().size())
            config.Write(EntryKey(i), wxString::FromUTF8(m_files.Paths()[i]));
        else
            config.DeleteEntry(EntryKey(i));
    }
    config.Flush();
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
        if (m_menu->FindItem(first + static_cast<int>(i))) m_menu->Destroy(first + static_cast<int>(i));
    const auto& paths = m_files.Paths();
    if (paths.empty()) {
        m_menu->Insert(position, first, str::kMenuRecentFile);
        m_menu->Enable(first, false);
        return;
    }
    for (size_t i = 0; i < paths.size(); ++i) {
        wxString shown = wxString::FromUTF8(AbbreviatePath(paths[i]));
        shown.Replace("&", "&&");  // an ampersand in a path is not an access key
        m_menu->Insert(position + i, first + static_cast<int>(i),
                       wxString::Format("&%d ", static_cast<int>(i + 1)) + shown);
    }
}

}  // namespace glintwick
