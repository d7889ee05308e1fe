// Filling the program's message templates: %1 and %2 stand for the values.
#pragma once

#include <string>
#include <vector>

namespace glintwick {

// Replaces %1 (and %2) in a message template, in one pass, so a value that itself holds "%2"
// stays as it is.
std::string FormatMessage(const char* templ, const std::string& arg1,
                          const std::string& arg2 = std::string());
// The same with %1 to %9 for the values in order; a number with no value stays as it is.
std::string FormatMessage(const char* templ, const std::vector<std::string>& args);

}  // namespace glintwick
