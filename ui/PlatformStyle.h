// The program's look on its platform: controls that fit the dialog-unit layouts, messages that fit.
#pragma once

#include <wx/string.h>

class wxWindow;

namespace glintwick {

// Call once after wx starts. GTK's default theme gives entries and buttons a minimum height
// above what the layouts allow: a compact style trims padding so every control fits its
// designed rectangle, in the windows that use it. Message boxes wrap a long word (a path,
// mostly) inside itself rather than growing wider than the screen, and draw the middle of a
// text too long for the screen's height as an ellipsis. Windows' own controls and message
// boxes need neither.
void ApplyPlatformStyle();

// Before the toolkit starts: the windows' class on X (and the app id on Wayland) is the menu
// entry's id, under which docks and task bars group the windows with their launcher.
void NameProgramForDesktop();

// Lets the compact style apply to `topLevel` (a window laid out from a template) and its
// controls; other windows, such as the help viewer, keep the theme's sizes.
void UseCompactStyle(wxWindow* topLevel);

// The width a list's columns share: the whole list on GTK, whose tree view draws its scroll
// bar over the rows; on Windows, where wx draws the list, the rows less a vertical scroll bar,
// so that a long project's list needs no horizontal one.
int ListColumnsWidth(const wxWindow& list);

// A modal message box with `style`'s buttons and icon; wxYES, wxNO, wxOK or wxCANCEL. On
// Windows it is the system's own message box, which has every icon (wx's task dialog there
// has no question mark).
int ShowPlatformMessageBox(wxWindow* parent, const wxString& text, const wxString& caption,
                           long style);

}  // namespace glintwick
