// One application-wide style rule that lets controls fit the dialog-unit layouts.
#pragma once

class wxWindow;

namespace glintwick {

// GTK's default theme gives entries and buttons a minimum height above what the layouts allow;
// this trims padding so every control fits its designed rectangle, in the windows that use it.
// Call once after wx starts.
void ApplyCompactStyle();

// Lets the compact style apply to `topLevel` (a window laid out from a template) and its
// controls; other windows, such as the help viewer, keep the theme's sizes.
void UseCompactStyle(wxWindow* topLevel);

}  // namespace glintwick
