// The Windows look: the native controls as they are, laid out in the system's dialog units.
#include "ui/PlatformStyle.h"

namespace glintwick {

// The controls take their designed rectangles without help, and message boxes wrap long
// paths themselves.
void ApplyPlatformStyle() {}
void UseCompactStyle(wxWindow*) {}

}  // namespace glintwick
