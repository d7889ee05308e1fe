// Conversion between code-page texts of the model and wx strings of the controls.
#pragma once

#include <wx/string.h>

#include <optional>
#include <string>
#include <string_view>

namespace glintwick {

wxString ToWx(std::string_view codePageText);
// The part of a text that a one-line control can show: its first kShownCharacters characters.
// More than any screen holds in one line, and a project's text of millions of characters (only
// an altered file can hold one) no longer costs the toolkit gigabytes to lay out.
inline constexpr size_t kShownCharacters = 1024;
wxString ToWxShown(std::string_view codePageText);
// The code-page text of a control's string; nullopt when a character has no code-page form.
std::optional<std::string> FromWx(const wxString& text);
bool IsCodePageText(const wxString& text);

}  // namespace glintwick
