// The effects list's own keys: Delete, Alt+Up and Alt+Down.
#pragma once

#include <wx/dataview.h>

#include <functional>

namespace glintwick {

// What the list's keys do; the view gives its own commands, so that a key does exactly what
// the button beside the list does.
struct EffectListActions {
    std::function<void()> deleteSelected;
    std::function<void(int step)> moveSelected;  // -1 up, +1 down
};

// Delete asks to delete the selected row; Alt+Up and Alt+Down move it one place.
void BindEffectListKeys(wxDataViewCtrl* list, EffectListActions actions);

}  // namespace glintwick
