// Keeps an edit box to characters the code page can hold, refusing others at input.
#pragma once

#include <wx/textctrl.h>

namespace glintwick {

// Attaches to `edit` for its lifetime: typed or pasted characters outside the code page are
// refused with a beep, so what the preview shows is exactly what the page will show.
void RestrictToCodePage(wxTextCtrl* edit);

}  // namespace glintwick
