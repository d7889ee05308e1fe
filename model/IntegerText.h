// The two ways the program reads a number typed into an edit box.
#pragma once

#include <optional>
#include <string_view>

namespace glintwick {

// Dialog validation: the first 31 characters must be an optionally signed decimal integer with
// optional blanks or tabs around it; a value of 0 counts only when its first non-blank
// character is 0 (so "-0" is refused). Values beyond 32 bits are clamped, so a range check
// refuses them.
std::optional<int> ParseDialogInteger(std::string_view text);

// Lenient reading: leading blanks skipped, an optional sign, the digits up to the first other
// character; no digits gives 0. Clamped to 32 bits.
int ParseLeadingInteger(std::string_view text);

}  // namespace glintwick
