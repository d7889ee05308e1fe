// Room for translated texts: a form's controls widened where their text would not show whole.
#pragma once

#include <vector>

#include <wx/window.h>

#include "resources/Templates.h"

namespace glintwick {

// What a button needs across to show its text whole: its text and the toolkit's padding.
int ButtonTextWidth(wxWindow& button);

// What a control of `kind` needs across to show its text whole, in pixels; 0 for a control
// whose width does not depend on its text (or whose text wraps).
int WidthForText(const res::ControlTemplate& control, const wxWindow& window);

// Widens `windows` (made from `templ`, in its order) where a text needs more room than its
// rectangle gives: at the right edge of each such control the form opens by what it lacks, so
// every control beyond moves across and every one that spans the edge (a group box, the form)
// grows with it; nothing moves where every text fits, as with the English texts. Returns how
// much wider the form becomes.
int MakeRoomForTexts(const res::DialogTemplate& templ, const std::vector<wxWindow*>& windows);

// What a list column's header needs across to show `title` whole, in `list`'s font.
int ColumnTitleWidth(const wxWindow& list, const wxString& title);

// Column widths from their designed `shares`, each at least its title's `needs`: what a title
// lacks comes from the columns with room to spare, the most spare first, so the columns keep
// their sum; nothing changes where every title fits, as with the English titles.
std::vector<int> WidthsShowingTitles(std::vector<int> shares, const std::vector<int>& needs);

}  // namespace glintwick
