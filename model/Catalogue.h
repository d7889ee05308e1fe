// Translations of the program's texts from a gettext catalogue (.mo), for the command-line tool.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace glintwick {

class CCatalogue {
public:
    // The catalogue in a file's bytes; a malformed one translates nothing.
    static CCatalogue FromBytes(std::string_view bytes);
    // The catalogue in the file at `path`; a missing, unreadable, oversized or malformed file
    // translates nothing.
    static CCatalogue Read(const std::string& path);

    // The translation of `english` (UTF-8), or `english` itself.
    const char* Translate(const char* english) const;
    bool Empty() const { return m_translations.empty(); }

private:
    std::unordered_map<std::string, std::string> m_translations;
};

// The languages whose catalogues to look for, best first, as gettext chooses them: none when the
// locale (LC_ALL, LC_MESSAGES, then LANG) is plain C or POSIX; else LANGUAGE's list or, without
// one, the locale's language (neither when no locale variable is set); then `system` (the system's
// own choice beside the environment, "de-DE"). Each as "de_DE" followed by "de". `variable`
// reads the environment.
std::vector<std::string> PreferredLanguages(const std::function<const char*(const char*)>& variable,
                                            const std::string& system);

}  // namespace glintwick
