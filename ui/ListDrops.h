// Which kinds of data a list control accepts when dropped on it.
#pragma once

#include <wx/dataview.h>

namespace glintwick {

// The toolkit's own list takes drops of every format in `formats` (wx alone passes only the
// first to GTK's list).
void AcceptListDrops(wxDataViewCtrl* list, const wxVector<wxDataFormat>& formats);

}  // namespace glintwick
