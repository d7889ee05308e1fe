// Whether a script name can work in a page: a JavaScript identifier the page does not own.
#pragma once

#include <string>

#include "model/CoreTexts.h"

namespace glintwick {

// False for names that are not identifiers, reserved words, names the page's window already
// owns, and the script's own shared function names: with any of them the script cannot run.
bool IsUsableScriptName(const std::string& codePageName);

// Whether a code page byte may stand in an identifier (a digit not at its start).
bool IsScriptNameCharacter(unsigned char byte);

// A script file's name (UTF-8, as the file system spells it) in the code page, which names the
// script; a name the code page cannot hold goes in as given.
std::string ScriptFileTitle(const std::string& utf8FileName);

// The warning that a script written under `utf8FileName` cannot run in a page: its name is
// not a usable script name, or not one the code page can hold. Empty when it can run.
// `warning` is the message's template, %1 the name (a translation of the English one).
std::string ScriptNameWarning(const std::string& utf8FileName,
                              const char* warning = str::kScriptNameWarning);

}  // namespace glintwick
