// Conversion between code-page texts and wx strings, through the core's code-page tables.
#include "shell/WxText.h"

#include "model/CodePage.h"

namespace glintwick {

wxString ToWx(std::string_view codePageText) {
    wxString out;
    out.reserve(codePageText.size());
    for (char c : codePageText)
        out += static_cast<wxUniChar>(CodePageToUnicode(static_cast<unsigned char>(c)));
    return out;
}

wxString ToWxShown(std::string_view codePageText) {
    return ToWx(codePageText.substr(0, kShownCharacters));
}

std::optional<std::string> FromWx(const wxString& text) {
    std::string out;
    out.reserve(text.length());
    for (wxUniChar ch : text) {
        char byte = 0;
        if (!UnicodeToCodePage(static_cast<char32_t>(ch.GetValue()), byte)) return std::nullopt;
        out += byte;
    }
    return out;
}

bool IsCodePageText(const wxString& text) { return FromWx(text).has_value(); }

}  // namespace glintwick
