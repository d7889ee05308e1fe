// What wx leaves to each toolkit's list control: the drops it takes and its keyboard cursor.
#pragma once

#include <wx/dataview.h>

namespace glintwick {

// The toolkit's own list takes drops of every format in `formats` (wx alone passes only the
// first to GTK's list).
void AcceptListDrops(wxDataViewCtrl* list, const wxVector<wxDataFormat>& formats);

// Puts the keyboard's place (the focus ring, where the arrow keys go on from) on `row` of a
// single-selection list, and selects it: wx only selects the row there, and GTK's cursor stays
// where it was.
void PutListCursor(wxDataViewCtrl* list, unsigned row);

}  // namespace glintwick
