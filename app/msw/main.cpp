// glintwick.exe: the desktop program's entry point on Windows.
#include <wx/app.h>

#include <cstdio>
#include <string>
#include <vector>

#include "embedded/Version.h"
#include "model/platform/Process.h"
#include "ui/TallowmereApp.h"

wxIMPLEMENT_APP_NO_MAIN(glintwick::CTallowmereApp);

int main(int argc, char** argv) {
    // The arguments from the wide command line, so a project of any name opens.
    std::vector<std::string> arguments = glintwick::ProgramArguments(argc, argv);
    for (size_t i = 1; i < arguments.size() && arguments[i] != "--"; ++i) {
        if (arguments[i] == "--version") {
            std::printf("glintwick %s\n", glintwick::kProjectVersion);
            return 0;
        }
    }
    std::vector<char*> pointers;
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    glintwick::CTallowmereApp::SetRawArguments(static_cast<int>(pointers.size()), pointers.data());
    // wx reads its own copy of the wide command line.
    return wxEntry(::GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
}
