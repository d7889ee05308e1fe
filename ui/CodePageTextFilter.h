// Edit boxes of the code page: refusing other characters at input, length limits, messages.
#pragma once

#include <wx/textctrl.h>

#include <optional>
#include <string>

namespace glintwick {

// Attaches to `edit` for its lifetime: typed or pasted characters outside the code page are
// refused with a beep, so what the preview shows is exactly what the page will show.
void RestrictToCodePage(wxTextCtrl* edit);

// Puts `text` into `edit` with a limit of `limit` characters for the user's typing; a longer
// text (possible only from a file) stays whole, since GTK would cut it, until the user
// shortens it and the dialog's validation reports it.
void SetLimitedText(wxTextCtrl* edit, const std::string& codePageText, size_t limit);

// The edit's code-page text when it holds at most `limit` characters; otherwise shows "Please
// enter no more than %1 characters." and gives the edit the focus with its text selected.
std::optional<std::string> ReadLimitedText(wxWindow* dialog, wxTextCtrl* edit, size_t limit);
// The same without the message: nullopt when the text is too long.
std::optional<std::string> TextWithinLimit(wxTextCtrl* edit, size_t limit);
// "Please enter no more than %1 characters." for `limit`.
wxString TooLongMessage(size_t limit);

// Shows a validation message and gives the edit the focus with its text selected.
void ReportInvalidEdit(wxWindow* dialog, wxTextCtrl* edit, const wxString& message);

}  // namespace glintwick
