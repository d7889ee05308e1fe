// The project file type's registration with the desktop's shell, made at every start.
#pragma once

namespace glintwick {

// Registers the .gwk file type for this user the platform's way (freedesktop files on Linux,
// the per-user registry classes on Windows), leaving another program's claim on .gwk alone.
// Failures are silent: the program runs the same without the registration.
void RegisterProjectFileType();

}  // namespace glintwick
