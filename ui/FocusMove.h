// Keeping a keyboard user's place when the focused control is about to be disabled.
#pragma once

#include <wx/window.h>

#include <initializer_list>

namespace glintwick {

// When one of `leaving` holds the keyboard focus, gives it to `next` (which must be enabled),
// so that disabling it does not throw the focus back to the start of the tab order.
void MoveFocusFrom(std::initializer_list<wxWindow*> leaving, wxWindow* next);

}  // namespace glintwick
