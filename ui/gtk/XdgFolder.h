// The per-user folders of the XDG base directories, as the environment names them.
#pragma once

#include <cstdlib>
#include <string>

namespace glintwick {

// $`variable` when it holds an absolute path, else $HOME/`underHome` when HOME does; empty
// when neither does (a program started with `env -i`, say), and what would be kept there is
// then not kept at all: never under a folder the user did not give, such as "/.local/share".
inline std::string XdgFolder(const char* variable, const char* underHome) {
    const char* value = std::getenv(variable);
    if (value && *value == '/') return value;
    const char* home = std::getenv("HOME");
    if (home && *home == '/') return std::string(home) + "/" + underHome;
    return {};
}

}  // namespace glintwick
