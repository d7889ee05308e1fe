// The code page (Windows-1252): Unicode mapping both ways and the upper-case rule.
#pragma once

#include <string>
#include <string_view>

namespace glintwick {

// Unicode scalar value of one code-page byte. The five bytes Windows leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so every byte
// round-trips.
char32_t CodePageToUnicode(unsigned char byte);

// The code-page byte for a Unicode scalar value; false when the code page cannot hold it.
bool UnicodeToCodePage(char32_t ch, char& byte);

// Upper case by the code page: a-z, the accented letters 0xE0-0xFE (except the division
// sign) and the pairs š/Š, œ/Œ, ž/Ž, ÿ/Ÿ. Everything else is returned unchanged.
char CodePageToUpper(char byte);

// Code-page text to UTF-8.
std::string CodePageToUtf8(std::string_view text);

// UTF-8 to code-page text. On failure returns false and sets `rejected` to the character the
// code page cannot hold (U+FFFD for input that is not valid UTF-8).
bool Utf8ToCodePage(std::string_view utf8, std::string& out, char32_t& rejected);

// Decodes one UTF-8 sequence at `pos` and moves past it; U+FFFD (one byte on) when invalid.
char32_t DecodeUtf8(std::string_view s, size_t& pos);

// Bytes of the file system (UTF-8, or anything) as valid UTF-8 for the screen: every byte
// that is not part of a valid sequence becomes U+FFFD.
std::string ReadableUtf8(std::string_view bytes);

// Characters of UTF-8 text as the screen shows them: an invalid byte counts as one.
size_t CountUtf8Characters(std::string_view bytes);

// Code-page text as UTF-8 that can neither steer a terminal nor break a document: C0 controls
// and DEL as their control pictures (ESC as U+241B), one column each as in the status bar, and
// the five undefined bytes, which map to C1 controls, as U+FFFD.
std::string VisibleUtf8(std::string_view text);

// Appends one scalar value as UTF-8.
void AppendUtf8(std::string& out, char32_t ch);

// "U+00E9" style name of a character, for messages.
std::string DescribeCharacter(char32_t ch);

}  // namespace glintwick
