// glintwick.exe: the desktop program's entry point on Windows.
#include <wx/app.h>

#include <cstdio>
#include <string>
#include <vector>

#include "model/platform/Process.h"
#include "ui/ProgramOptions.h"
#include "ui/StartupProbe.h"
#include "ui/TallowmereApp.h"

wxIMPLEMENT_APP_NO_MAIN(glintwick::CTallowmereApp);

namespace {

// A program of the windows subsystem starts without a console: asked for its version or help
// from one, it writes to its parent's console, unless its output already goes somewhere.
void WriteToParentConsole() {
    if (::GetFileType(::GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN) return;
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}

}  // namespace

int main(int argc, char** argv) {
    using glintwick::ProgramOptions;
    // The arguments from the wide command line, so a project of any name opens.
    std::vector<std::string> arguments = glintwick::ProgramArguments(argc, argv);
    const ProgramOptions options = glintwick::ReadProgramOptions(arguments);
    if (options.action != ProgramOptions::Action::Start) WriteToParentConsole();
    // A mistake goes to a console where there is one, and in a box (shown by the application).
    if (const auto status = glintwick::AnswerOnTheTerminal(options)) return *status;
    std::vector<char*> pointers;
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    glintwick::CTallowmereApp::SetRawArguments(static_cast<int>(pointers.size()), pointers.data());
    // wx reads its own copy of the wide command line.
    glintwick::EndAtFirstIdleWhenAsked();
    const int status = wxEntry(::GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
    return options.action == ProgramOptions::Action::Mistake ? glintwick::kUsageExitStatus : status;
}
