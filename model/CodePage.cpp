// The Windows-1252 code page tables and conversions.
#include "model/CodePage.h"

#include <cstdio>

namespace glintwick {

namespace {

// 0x80-0x9F: the only range where Windows-1252 differs from ISO 8859-1.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t CodePageToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

bool UnicodeToCodePage(char32_t ch, char& byte) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        byte = static_cast<char>(ch);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == ch) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

char CodePageToUpper(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
    switch (b) {
        case 0x9A: return static_cast<char>(0x8A);  // š -> Š
        case 0x9C: return static_cast<char>(0x8C);  // œ -> Œ
        case 0x9E: return static_cast<char>(0x8E);  // ž -> Ž
        case 0xFF: return static_cast<char>(0x9F);  // ÿ -> Ÿ
        default: return byte;
    }
}

void AppendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

std::string CodePageToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) AppendUtf8(out, CodePageToUnicode(static_cast<unsigned char>(c)));
    return out;
}

// Decodes one UTF-8 sequence at `pos`; returns U+FFFD (and advances one byte) when invalid.
char32_t DecodeUtf8(std::string_view s, size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t ch = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, ch = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, ch = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, ch = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return 0xFFFD;
    }
    if (pos + extra >= s.size()) {
        ++pos;
        return 0xFFFD;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto cont = static_cast<unsigned char>(s[pos + i]);
        if ((cont & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        ch = (ch << 6) | (cont & 0x3F);
    }
    pos += extra + 1;
    if (ch < minimum || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return 0xFFFD;
    return ch;
}

std::string ReadableUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t pos = 0; pos < bytes.size();) AppendUtf8(out, DecodeUtf8(bytes, pos));
    return out;
}

size_t CountUtf8Characters(std::string_view bytes) {
    size_t count = 0;
    for (size_t pos = 0; pos < bytes.size(); ++count) DecodeUtf8(bytes, pos);
    return count;
}

bool Utf8ToCodePage(std::string_view utf8, std::string& out, char32_t& rejected) {
    out.clear();
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t ch = DecodeUtf8(utf8, pos);
        char byte = 0;
        if (ch == 0xFFFD || !UnicodeToCodePage(ch, byte)) {
            rejected = ch;
            return false;
        }
        out += byte;
    }
    return true;
}

std::string DescribeCharacter(char32_t ch) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(ch));
    return buf;
}

std::string VisibleUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const char32_t ch = CodePageToUnicode(static_cast<unsigned char>(c));
        if (ch < 0x20)
            AppendUtf8(out, 0x2400 + ch);
        else if (ch == 0x7F)
            AppendUtf8(out, 0x2421);
        else if (ch >= 0x80 && ch < 0xA0)
            AppendUtf8(out, 0xFFFD);
        else
            AppendUtf8(out, ch);
    }
    return out;
}

}  // namespace glintwick
