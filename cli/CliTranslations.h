// glintwick-cli's texts for people in the user's language; what scripts read stays English.
#pragma once

namespace glintwick::cli {

// Reads the catalogue of the user's language from beside the program (its locale folder, or
// PREFIX/share/locale for an installed one). With none, or with a locale the C library does not
// have, the texts stay English.
void UseUserLanguage();

// One of the tool's texts for people (the usage and the command line's mistakes), translated.
const char* CliText(const char* english);

}  // namespace glintwick::cli
