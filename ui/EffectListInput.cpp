// Keys in the effects list, turned into the view's commands.
#include "ui/EffectListInput.h"

namespace glintwick {

void BindEffectListKeys(wxDataViewCtrl* list, EffectListActions actions) {
    list->Bind(wxEVT_KEY_DOWN, [actions = std::move(actions)](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        const int modifiers = event.GetModifiers();
        if (key == WXK_DELETE && modifiers == wxMOD_NONE)
            actions.deleteSelected();
        else if ((key == WXK_UP || key == WXK_DOWN) && modifiers == wxMOD_ALT)
            actions.moveSelected(key == WXK_UP ? -1 : +1);
        else
            event.Skip();
    });
}

}  // namespace glintwick
