// The program's look on GTK: controls that fit the dialog-unit layouts, messages that fit the
// screen.
#pragma once

class wxWindow;

namespace glintwick {

// Call once after wx starts. GTK's default theme gives entries and buttons a minimum height
// above what the layouts allow: a compact style trims padding so every control fits its
// designed rectangle, in the windows that use it. Message boxes wrap a long word (a path,
// mostly) inside itself rather than growing wider than the screen.
void ApplyPlatformStyle();

// Lets the compact style apply to `topLevel` (a window laid out from a template) and its
// controls; other windows, such as the help viewer, keep the theme's sizes.
void UseCompactStyle(wxWindow* topLevel);

}  // namespace glintwick
