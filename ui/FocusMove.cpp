// Moving the keyboard focus off a control that is about to be disabled.
#include "ui/FocusMove.h"

#include <algorithm>

namespace glintwick {

void MoveFocusFrom(std::initializer_list<wxWindow*> leaving, wxWindow* next) {
    wxWindow* focus = wxWindow::FindFocus();
    if (focus && std::find(leaving.begin(), leaving.end(), focus) != leaving.end())
        next->SetFocus();
}

}  // namespace glintwick
