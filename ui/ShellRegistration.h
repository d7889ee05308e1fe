// The project file type's registration with the desktop's shell, made at every start.
#pragma once

namespace glintwick {

// Registers the .gwk file type for this user the platform's way (freedesktop files on Linux,
// the per-user registry classes on Windows), leaving another program's claim on .gwk alone.
// Failures are silent: the program runs the same without the registration.
void RegisterProjectFileType();

// Lets the installer and uninstaller see that the program runs, so that they do not replace or
// remove its files under it (Windows: a named mutex held until the program ends, which
// packaging/windows/glintwick.nsi looks for). Nothing elsewhere.
void MarkProgramRunning();

}  // namespace glintwick
