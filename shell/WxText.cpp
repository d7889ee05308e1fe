// Conversion between code-page texts and wx strings, through the core's code-page tables.
#include "shell/WxText.h"

#include "model/CodePage.h"

namespace glintwick {

wxString ToWx(const std::string& codePageText) {
    wxString out;
    out.reserve(codePageText.size());
    for (char c : codePageText)
        out += static_cast<wxUniChar>(CodePageToUnicode(static_cast<unsigned char>(c)));
    return out;
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

namespace {
constexpr char32_t kNullSymbol = 0x2400;
}

wxString ToEditWx(const std::string& codePageText) {
    wxString out;
    out.reserve(codePageText.size());
    for (char c : codePageText)
        out += static_cast<wxUniChar>(c == '\0' ? kNullSymbol : CodePageToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> FromEditWx(const wxString& text) {
    std::string out;
    out.reserve(text.length());
    for (wxUniChar ch : text) {
        char byte = 0;
        const auto value = static_cast<char32_t>(ch.GetValue());
        if (value != kNullSymbol && !UnicodeToCodePage(value, byte)) return std::nullopt;
        out += byte;
    }
    return out;
}

wxString PathToWx(const std::string& path) { return wxString(path.c_str(), *wxConvFileName, path.size()); }

std::string PathFromWx(const wxString& path) {
    const wxCharBuffer bytes = path.fn_str();
    return std::string(bytes.data(), bytes.length());
}

wxString ReadableToWx(const std::string& text) { return wxString::FromUTF8(ReadableUtf8(text)); }

}  // namespace glintwick
