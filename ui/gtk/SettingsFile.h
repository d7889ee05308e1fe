// The per-user settings file of the Linux build.
#pragma once

#include <wx/string.h>

namespace glintwick {

// $XDG_CONFIG_HOME/Tallowmere/Glintwick.conf (or ~/.config/...), group "Recent File List",
// keys File1 to File4. The file holds nothing else. Empty when the environment names no home
// (see XdgFolder.h): the list is then neither read nor kept.
wxString SettingsFilePath();

}  // namespace glintwick
