// The recent-file list in the per-user settings file, and its entries in the File menu.
#pragma once

#include <wx/menu.h>
#include <wx/string.h>

#include "model/RecentFiles.h"

namespace glintwick {

class CRecentFileStore {
public:
    void Load();
    void Save() const;
    // Adds or removes an entry, writes the settings and redraws the menu.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Paths() const { return m_files.Paths(); }

    // The menu whose "Recent File" item the entries replace.
    void UseMenu(wxMenu* fileMenu);
    void UpdateMenu();

private:
    CRecentFiles m_files;
    wxMenu* m_menu = nullptr;
};

}  // namespace glintwick
