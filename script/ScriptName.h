// Whether a script name can work in a page: a JavaScript identifier the page does not own.
#pragma once

#include <string>

namespace glintwick {

// False for names that are not identifiers, reserved words, names the page's window already
// owns, and the script's own shared function names: with any of them the script cannot run.
bool IsUsableScriptName(const std::string& codePageName);

// Whether a code page byte may stand in an identifier (a digit not at its start).
bool IsScriptNameCharacter(unsigned char byte);

}  // namespace glintwick
