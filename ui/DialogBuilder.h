// Creates a form's or dialog's controls from its template, placed in dialog units.
#pragma once

#include <wx/dialog.h>
#include <wx/slider.h>
#include <wx/window.h>

#include <map>

#include "resources/Templates.h"

namespace glintwick {

// A dialog's title bar: a caption and a close box (which answers as Escape does), never the
// minimise and maximise buttons of a frame.
inline constexpr long kDialogStyle = wxCAPTION | wxCLOSE_BOX;

// The id a template's control gets in wx: OK and Cancel become wx's own, so that the dialog
// machinery (default button, Escape, validation on OK) works as users expect.
int WxIdFor(int templateId);

// A tick mark at every value of the slider's range, both ends included.
void TickEveryValue(wxSlider* slider);

// The template's size in pixels for `window`'s font.
wxSize TemplateSizeInPixels(wxWindow* window, const res::DialogTemplate& templ);

// Creates every control of `templ` on `parent`, in template order (which is the tab order),
// and returns them by template id (controls without an id are created but not returned).
// Where a text needs more room than the template gives, the controls make room and
// `widenedBy`, when given, receives how much wider the form became.
std::map<int, wxWindow*> BuildControls(wxWindow* parent, const res::DialogTemplate& templ,
                                       int* widenedBy = nullptr);

// Sizes `dialog` to its template, creates its controls, makes `escapeId` the button that
// Escape presses and centres it on its parent; returns the controls as BuildControls does.
std::map<int, wxWindow*> BuildDialog(wxDialog* dialog, const res::DialogTemplate& templ,
                                     int escapeId);

}  // namespace glintwick
