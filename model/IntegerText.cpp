// Number reading for edit boxes: strict dialog validation and lenient leading-digit reading.
#include "model/IntegerText.h"

#include <climits>

namespace glintwick {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads an optional sign and digits at `pos`; returns the clamped value and advances `pos`.
long long ReadSignedDigits(std::string_view text, size_t& pos, bool& anyDigit) {
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    long long value = 0;
    anyDigit = false;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        anyDigit = true;
        if (value <= INT_MAX) value = value * 10 + (text[pos] - '0');
    }
    value = negative ? -value : value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return value;
}

}  // namespace

std::optional<int> ParseDialogInteger(std::string_view text) {
    text = text.substr(0, 31);
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    const size_t first = pos;
    bool anyDigit = false;
    const long long value = ReadSignedDigits(text, pos, anyDigit);
    if (!anyDigit) return std::nullopt;
    if (value == 0 && text[first] != '0') return std::nullopt;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos != text.size()) return std::nullopt;
    return static_cast<int>(value);
}

int ParseLeadingInteger(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    bool anyDigit = false;
    return static_cast<int>(ReadSignedDigits(text, pos, anyDigit));
}

}  // namespace glintwick
