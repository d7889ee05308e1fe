// The recent-file list in the per-user registry: HKEY_CURRENT_USER\Software\Tallowmere\Glintwick.
#include <wx/config.h>
#include <wx/log.h>
#include <wx/msw/regconf.h>

#include "model/RecentFiles.h"
#include "resources/StringTable.h"
#include "ui/RecentFileSettings.h"
#include "ui/WxText.h"

namespace glintwick {

namespace {

// Key "Tallowmere", sub-key "Glintwick", section "Recent File List", values File1 to File4.
wxRegConfig Settings() { return wxRegConfig(str::kAppName, str::kSettingsKey); }

wxString EntryPath(size_t index) {
    return wxString("/") + str::kRecentFileSection + "/" +
           wxString::Format(str::kRecentFileEntry, static_cast<int>(index + 1));
}

}  // namespace

std::vector<std::string> ReadRecentFileSettings() {
    std::vector<std::string> paths(CRecentFiles::kMaxEntries);
    wxLogNull quiet;  // no settings yet is no error
    wxRegConfig settings = Settings();
    for (size_t i = 0; i < paths.size(); ++i) {
        wxString value;
        if (settings.Read(EntryPath(i), &value)) paths[i] = PathFromWx(value);
    }
    return paths;
}

void WriteRecentFileSettings(const std::vector<std::string>& paths) {
    wxLogNull quiet;  // settings are a convenience: a registry that refuses just does not keep them
    wxRegConfig settings = Settings();
    for (size_t i = 0; i < CRecentFiles::kMaxEntries; ++i) {
        if (i < paths.size())
            settings.Write(EntryPath(i), PathToWx(paths[i]));
        else
            settings.DeleteEntry(EntryPath(i), false);
    }
    settings.Flush();
}

}  // namespace glintwick
