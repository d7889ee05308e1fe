// The Windows look: the native controls as they are, laid out in the system's dialog units.
#include "ui/PlatformStyle.h"

#include <wx/settings.h>
#include <wx/window.h>

namespace glintwick {

// The controls take their designed rectangles without help, and message boxes wrap long
// paths themselves.
void ApplyPlatformStyle() {}
void UseCompactStyle(wxWindow*) {}

int ListColumnsWidth(const wxWindow& list) {
    return list.GetClientSize().x - wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, &list);
}

}  // namespace glintwick
