// A picture or text that links to the maker's web page: blue, see-through, hand cursor.
#pragma once

#include <wx/window.h>

namespace glintwick {

class CHyperLink {
public:
    // Turns `control` (a static text or picture) into the link; lives as long as the control.
    static void Attach(wxWindow* control);
    static wxString Address();
};

}  // namespace glintwick
