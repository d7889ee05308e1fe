// Control characters made visible, for labels built from file names.
#pragma once

#include <string>
#include <string_view>

namespace glintwick {

// `text` with each C0 control character as its Unicode control picture (U+2400 plus its code,
// "␉" for TAB) and DEL as U+2421, in UTF-8. A menu reads a TAB as the start of a shortcut and a
// line break or an escape shows as something else or nothing; a name that holds one shows it
// as it is. Every other byte stays, so raw bytes still meet the same readable conversion.
std::string WithControlPictures(std::string_view text);

}  // namespace glintwick
