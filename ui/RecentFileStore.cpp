// Reading and writing the recent-file list, and drawing it into the File menu.
#include "ui/RecentFileStore.h"

#include "resources/Ids.h"
#include "resources/StringTable.h"
#include "ui/RecentFileSettings.h"
#include "ui/Translations.h"
#include "ui/WxText.h"

namespace glintwick {

void CRecentFileStore::Load() {
    m_files.Assign(ReadRecentFileSettings());
    UpdateMenu();
}

void CRecentFileStore::Save() const { WriteRecentFileSettings(m_files.Paths()); }

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
        m_menu->Insert(position, first, UiText(str::kMenuRecentFile));
        m_menu->Enable(first, false);
        return;
    }
    for (size_t i = 0; i < paths.size(); ++i) {
        wxString shown = NameToWx(AbbreviatePath(paths[i]));
        shown.Replace("&", "&&");  // an ampersand in a path is not an access key
        m_menu->Insert(position + i, first + static_cast<int>(i),
                       wxString::Format("&%d ", static_cast<int>(i + 1)) + shown);
    }
}

}  // namespace glintwick
