// The per-user settings file of the Linux build.
#pragma once

#include <wx/string.h>

namespace glintwick {

// $XDG_CONFIG_HOME/Tallowmere/Glintwick.conf (or ~/.config/...), group "Recent File List",
// keys File1 to File4. The file holds nothing else.
wxString SettingsFilePath();

}  // namespace glintwick
