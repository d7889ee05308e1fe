// glintwick: the desktop program's entry point.
#include <wx/app.h>

#include <cstdio>
#include <cstdlib>

#include "model/SafeFile.h"
#include "shell/TallowmereApp.h"

wxIMPLEMENT_APP_NO_MAIN(glintwick::CTallowmereApp);

int main(int argc, char** argv) {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!x11 || !*x11) && (!wayland || !*wayland)) {
        std::fprintf(stderr, "glintwick: no display to open a window on (run it under xvfb-run on a machine without one)\n");
        return 1;
    }
    glintwick::IgnoreFileSizeSignal();
    return wxEntry(argc, argv);
}
