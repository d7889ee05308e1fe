// A text box's own undo and redo of what was typed, pasted or cut in it.
#pragma once

#include <wx/textctrl.h>

namespace glintwick {

// GTK 3's entries keep no undo of their own, so every edit box of the program gets this one:
// Ctrl+Z and Alt+Backspace undo, Ctrl+Y and Ctrl+Shift+Z redo, in the box that has the focus.
// A text a program put in the box while it had no focus starts the box's history afresh.
void AttachTextUndo(wxTextCtrl* edit);
// The same steps for the Edit menu; false when the box has nothing to undo or redo.
bool UndoInBox(wxTextCtrl* edit);
bool RedoInBox(wxTextCtrl* edit);

}  // namespace glintwick
