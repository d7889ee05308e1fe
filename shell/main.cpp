// glintwick: the desktop program's entry point.
#include <wx/app.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "embedded/Version.h"
#include "shell/TallowmereApp.h"

wxIMPLEMENT_APP_NO_MAIN(glintwick::CTallowmereApp);

int main(int argc, char** argv) {
    // Answered before any window or display is needed, as packaging and scripts ask it.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("glintwick %s\n", glintwick::kProjectVersion);
            return 0;
        }
    }
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!x11 || !*x11) && (!wayland || !*wayland)) {
        std::fprintf(stderr, "glintwick: no display to open a window on (run it under xvfb-run on a machine without one)\n");
        return 1;
    }
    glintwick::CTallowmereApp::SetRawArguments(argc, argv);
    return wxEntry(argc, argv);
}
