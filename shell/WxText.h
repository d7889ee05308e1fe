// Conversion between code-page texts of the model and wx strings of the controls.
#pragma once

#include <wx/string.h>

#include <optional>
#include <string>

namespace glintwick {

wxString ToWx(const std::string& codePageText);
// The code-page text of a control's string; nullopt when a character has no code-page form.
std::optional<std::string> FromWx(const wxString& text);
bool IsCodePageText(const wxString& text);

}  // namespace glintwick
