// Finding and reading the user's catalogue for the command-line tool.
#include "cli/CliTranslations.h"

#include <clocale>
#include <cstdlib>

#include "model/Catalogue.h"
#include "model/PathParts.h"
#include "model/platform/Process.h"

namespace glintwick::cli {

namespace {

CCatalogue& Catalogue() {
    static CCatalogue catalogue;
    return catalogue;
}

}  // namespace

void UseUserLanguage() {
    // The C library must know the locale, as gettext's would; the tool itself keeps the C locale
    // for everything it writes.
    const bool known = std::setlocale(LC_CTYPE, "") != nullptr;
    std::setlocale(LC_CTYPE, "C");
    const std::string program = ProgramPath();
    if (!known || program.empty()) return;
    const std::string folder = FolderOf(program);
    const auto variable = [](const char* name) { return std::getenv(name); };
    for (const std::string& language : PreferredLanguages(variable, SystemInterfaceLanguage()))
        for (const char* place : {"/locale/", "/../share/locale/"}) {
            CCatalogue found =
                CCatalogue::Read(folder + place + language + "/LC_MESSAGES/glintwick.mo");
            if (!found.Empty()) {
                Catalogue() = std::move(found);
                return;
            }
        }
}

const char* CliText(const char* english) { return Catalogue().Translate(english); }

}  // namespace glintwick::cli
