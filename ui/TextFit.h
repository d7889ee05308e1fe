// Room for translated texts: a form's controls widened where their text would not show whole.
#pragma once

#include <vector>

#include <wx/window.h>

#include "resources/Templates.h"

namespace glintwick {

// What a control of `kind` needs across to show its text whole, in pixels; 0 for a control
// whose width does not depend on its text (or whose text wraps).
int WidthForText(const res::ControlTemplate& control, const wxWindow& window);

// Widens `windows` (made from `templ`, in its order) where a text needs more room than its
// rectangle gives: at the right edge of each such control the form opens by what it lacks, so
// every control beyond moves across and every one that spans the edge (a group box, the form)
// grows with it; nothing moves where every text fits, as with the English texts. Returns how
// much wider the form becomes.
int MakeRoomForTexts(const res::DialogTemplate& templ, const std::vector<wxWindow*>& windows);

}  // namespace glintwick
