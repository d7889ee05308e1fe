// The effects list's own input: Delete, Alt+Up and Alt+Down, dragging a row, dropping a file.
#pragma once

#include <wx/dataview.h>

#include <functional>
#include <string>

namespace glintwick {

// What the list's input does; the view gives its own commands, so that a key or a drag does
// exactly what the buttons beside the list do.
struct EffectListActions {
    std::function<void()> deleteSelected;
    std::function<void(int step)> moveSelected;        // -1 up, +1 down
    std::function<void(long row, long to)> moveRow;    // a row dragged onto another
    std::function<void(const std::string&)> openFile;  // a file dropped on the list
};

// Delete asks to delete the selected row; Alt+Up and Alt+Down move it one place. A row dragged
// onto the middle of another takes that row's place, onto its edge goes between the two rows
// there, and below the last row becomes the last; rows dragged from another window are refused.
// A file dropped on the list is opened.
void BindEffectListInput(wxDataViewCtrl* list, EffectListActions actions);

}  // namespace glintwick
