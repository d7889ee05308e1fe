// Conversion between code-page texts and wx strings, through the core's code-page tables.
#include "ui/WxText.h"

#include "model/CodePage.h"
#include "model/ControlPictures.h"

namespace glintwick {

namespace {

// Code-page bytes to characters; with `nulAsSymbol` NUL becomes the symbol for null.
wxString CodePageToWx(std::string_view codePageText, bool nulAsSymbol) {
    wxString out;
    out.reserve(codePageText.size());
    for (char c : codePageText) {
        const char32_t ch = nulAsSymbol && c == '\0'
                                ? kNulSymbol
                                : CodePageToUnicode(static_cast<unsigned char>(c));
        out += static_cast<wxUniChar>(ch);
    }
    return out;
}

// Characters back to code-page bytes; with `symbolAsNul` the symbol for null is NUL again.
std::optional<std::string> WxToCodePage(const wxString& text, bool symbolAsNul) {
    std::string out;
    out.reserve(text.length());
    for (wxUniChar ch : text) {
        char byte = 0;
        const auto value = static_cast<char32_t>(ch.GetValue());
        if (!(symbolAsNul && value == kNulSymbol) && !UnicodeToCodePage(value, byte))
            return std::nullopt;
        out += byte;
    }
    return out;
}

}  // namespace

wxString ToWx(std::string_view codePageText) { return CodePageToWx(codePageText, false); }
std::optional<std::string> FromWx(const wxString& text) { return WxToCodePage(text, false); }
wxString ToEditWx(std::string_view codePageText) { return CodePageToWx(codePageText, true); }

wxString ToWxShown(std::string_view codePageText) {
    return ToEditWx(codePageText.substr(0, kShownCharacters));
}
std::optional<std::string> FromEditWx(const wxString& text) { return WxToCodePage(text, true); }

wxString ReadableToWx(const std::string& text) { return wxString::FromUTF8(ReadableUtf8(text)); }

wxString NameToWx(const std::string& name) { return ReadableToWx(WithControlPictures(name)); }

}  // namespace glintwick
