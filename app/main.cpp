// glintwick: the desktop program's entry point.
#include <wx/app.h>
#include <wx/strconv.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "model/platform/SafeFile.h"
#include "ui/ProgramOptions.h"
#include "ui/StartupProbe.h"
#include "ui/TallowmereApp.h"

wxIMPLEMENT_APP_NO_MAIN(glintwick::CTallowmereApp);

int main(int argc, char** argv) {
    using glintwick::ProgramOptions;
    // Answered before any window or display is needed, as packaging and scripts ask it.
    const ProgramOptions options = glintwick::ReadProgramOptions({argv, argv + argc});
    if (const auto status = glintwick::AnswerOnTheTerminal(options)) return *status;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool display = (x11 && *x11) || (wayland && *wayland);
    // A mistake started from a desktop, with no terminal to read it on, shows in a box too.
    if (options.action == ProgramOptions::Action::Mistake && (::isatty(STDERR_FILENO) || !display))
        return glintwick::kUsageExitStatus;
    if (!display) {
        std::fprintf(stderr,
                     "glintwick: no display to open a window on (run it under xvfb-run on a "
                     "machine without one)\n");
        return 1;
    }
    glintwick::IgnoreFileSizeSignal();
    glintwick::CTallowmereApp::SetRawArguments(argc, argv);
    // wx converts the arguments by the locale and drops one it cannot convert, with a warning;
    // handed over as UTF-8 with odd bytes kept, each argument arrives. (The project name is
    // taken from the raw bytes above.)
    const wxMBConvUTF8 keepBytes(wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA);
    std::vector<wxString> arguments;
    for (int i = 0; i < argc; ++i) arguments.emplace_back(argv[i], keepBytes);
    std::vector<wxChar*> pointers;
    for (wxString& argument : arguments) pointers.push_back(const_cast<wxChar*>(argument.wx_str()));
    pointers.push_back(nullptr);
    glintwick::EndAtFirstIdleWhenAsked();
    const int status = wxEntry(argc, pointers.data());
    return options.action == ProgramOptions::Action::Mistake ? glintwick::kUsageExitStatus : status;
}
