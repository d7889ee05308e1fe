// UTF-16 names to path strings and back, unpaired surrogates included.
#include "model/Utf16Path.h"

#include "model/CodePage.h"

namespace glintwick {

namespace {

bool IsLeadSurrogate(char32_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool IsTrailSurrogate(char32_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }

// The three-byte form of a surrogate at `pos`, which strict UTF-8 decoding refuses.
bool DecodeSurrogate(std::string_view s, size_t& pos, char32_t& ch) {
    if (pos + 2 >= s.size() || static_cast<unsigned char>(s[pos]) != 0xED) return false;
    const auto second = static_cast<unsigned char>(s[pos + 1]);
    const auto third = static_cast<unsigned char>(s[pos + 2]);
    if (second < 0xA0 || second > 0xBF || (third & 0xC0) != 0x80) return false;
    ch = 0xD000 | ((second & 0x3F) << 6) | (third & 0x3F);
    pos += 3;
    return true;
}

void AppendSurrogate(std::string& out, char32_t unit) {
    out += static_cast<char>(0xE0 | (unit >> 12));
    out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (unit & 0x3F));
}

}  // namespace

std::u16string PathToUtf16(std::string_view path) {
    std::u16string out;
    out.reserve(path.size());
    for (size_t pos = 0; pos < path.size();) {
        char32_t ch = 0;
        if (!DecodeSurrogate(path, pos, ch)) ch = DecodeUtf8(path, pos);
        if (ch >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((ch - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((ch - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(ch);
        }
    }
    return out;
}

std::string PathFromUtf16(std::u16string_view name) {
    std::string out;
    out.reserve(name.size());
    for (size_t i = 0; i < name.size(); ++i) {
        const char32_t unit = name[i];
        if (IsLeadSurrogate(unit) && i + 1 < name.size() && IsTrailSurrogate(name[i + 1])) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (name[++i] - 0xDC00));
        } else if (IsLeadSurrogate(unit) || IsTrailSurrogate(unit)) {
            AppendSurrogate(out, unit);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

}  // namespace glintwick
