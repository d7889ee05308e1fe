// Path strings of the engine and the UTF-16 names of the Windows file system, both ways.
#pragma once

#include <string>
#include <string_view>

namespace glintwick {

// A Windows name may hold any 16-bit unit, an unpaired surrogate too, which UTF-8 cannot
// carry. Paths therefore travel as UTF-8 extended the way WTF-8 does it: a surrogate pair is
// one four-byte character, an unpaired surrogate its own three-byte form. Both conversions
// are exact for every name the system allows; a byte that fits no such form (never made by
// PathFromUtf16) becomes U+FFFD.
std::u16string PathToUtf16(std::string_view path);
std::string PathFromUtf16(std::u16string_view name);

}  // namespace glintwick
