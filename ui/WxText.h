// Conversion between code-page texts of the model and wx strings of the controls.
#pragma once

#include <wx/string.h>

#include <optional>
#include <string>
#include <string_view>

namespace glintwick {

wxString ToWx(std::string_view codePageText);
// The code-page text of a control's string; nullopt when a character has no code-page form.
std::optional<std::string> FromWx(const wxString& text);

// The same for edit boxes, list cells and the preview displays, which cannot hold a NUL
// character (GTK ends the text there): NUL is shown as the symbol for null, U+2400, which
// reads back as NUL. The symbol is no character of the code page: typed, it is refused.
inline constexpr char32_t kNulSymbol = 0x2400;
wxString ToEditWx(std::string_view codePageText);
std::optional<std::string> FromEditWx(const wxString& text);

// The part of a text that a one-line display (a list cell, a preview) can show, NUL as in an
// edit box: its first kShownCharacters characters. More than any screen holds in one line, and
// a text of millions of characters (only an altered file holds one) no longer costs the
// toolkit gigabytes to lay out.
inline constexpr size_t kShownCharacters = 1024;
wxString ToWxShown(std::string_view codePageText);

// Paths travel through the core as the file system's bytes, which need not be UTF-8 (or any
// encoding), and on Windows as UTF-8 that keeps every UTF-16 name; the conversions keep every
// byte and every name (one implementation per platform).
wxString PathToWx(const std::string& path);
std::string PathFromWx(const wxString& path);

// UTF-8 text for the screen that may carry a file name's raw bytes (a path, or a message that
// names one): a byte that is no part of valid UTF-8 shows as U+FFFD.
wxString ReadableToWx(const std::string& text);

// A file name or path for a label (a menu entry, a caption, a message): readable as above, and
// a control character shows as its picture, so that none acts as a menu's shortcut TAB or a
// line break.
wxString NameToWx(const std::string& name);

}  // namespace glintwick
