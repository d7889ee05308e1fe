// The program's message boxes, all through one function so tests can answer them.
#pragma once

#include <wx/string.h>
#include <wx/window.h>

namespace glintwick {

class CFileFailure;

// Shows a modal message box and returns wxOK, wxYES, wxNO or wxCANCEL. An empty caption means
// the application name.
int ShowMessageBox(wxWindow* parent, const wxString& text, long style,
                   const wxString& caption = wxString());

// A file operation's failure in its exact message text, with `icon` (wxICON_ERROR or
// wxICON_EXCLAMATION) and an OK button.
void ShowFileFailure(wxWindow* parent, const CFileFailure& failure, long icon);

}  // namespace glintwick
